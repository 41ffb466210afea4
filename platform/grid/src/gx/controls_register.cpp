// The cell controls of this part of the library that every grid knows
// without the program registering them.
#include "gx/gxchklst.h"
#include "gx/gxcombo.h"
#include "gx/gxcore.h"
#include "gx/gxpasswd.h"
#include "gx/gxpushbt.h"

namespace {

constexpr DWORD kDropDownListStyle = WS_VSCROLL | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL;

std::unique_ptr<CGXControl> MakePushbutton(CGXGridCore* grid) { return std::make_unique<CGXPushbutton>(grid); }

std::unique_ptr<CGXControl> MakeComboBox(CGXGridCore* grid) {
  return std::make_unique<CGXComboBox>(grid, GX_IDS_CTRL_COMBOBOX, GX_IDS_CTRL_COMBOBOX + 1000);
}

std::unique_ptr<CGXControl> MakeChoiceList(CGXGridCore* grid) {
  return std::make_unique<CGXComboBox>(grid, GX_IDS_CTRL_CHOICELIST, GX_IDS_CTRL_CHOICELIST + 1000,
                                       GXCOMBO_NOTEDITABLE | GXCOMBO_TEXTFIT);
}

// The built-in drop-down list stores the chosen index (from 0).
std::unique_ptr<CGXControl> MakeDropDownList(CGXGridCore* grid) {
  auto control = std::make_unique<CGXComboBoxWnd>(grid);
  control->Create(kDropDownListStyle, GX_IDS_CTRL_CBS_DROPDOWNLIST);
  control->m_nIndexValue = 0;
  return control;
}

std::unique_ptr<CGXControl> MakePassword(CGXGridCore* grid) {
  return std::make_unique<CGXPasswordControl>(grid, GX_IDS_CTRL_PASSWORD);
}

std::unique_ptr<CGXControl> MakeCheckList(CGXGridCore* grid) { return std::make_unique<CGXCheckListComboBox>(grid); }

const bool registered = [] {
  GXRegisterControlFactory(GX_IDS_CTRL_PUSHBTN, &MakePushbutton);
  GXRegisterControlFactory(GX_IDS_CTRL_COMBOBOX, &MakeComboBox);
  GXRegisterControlFactory(GX_IDS_CTRL_CHOICELIST, &MakeChoiceList);
  GXRegisterControlFactory(GX_IDS_CTRL_CBS_DROPDOWNLIST, &MakeDropDownList);
  GXRegisterControlFactory(GX_IDS_CTRL_PASSWORD, &MakePassword);
  GXRegisterControlFactory(GX_IDS_CTRL_CHECKLIST_COMBOBOX, &MakeCheckList);
  return true;
}();

}  // namespace
