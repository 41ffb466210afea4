// The controls are known to the grid library by their names: a grid can
// make each one from its name alone, and the run-time classes tell what
// each control is.
#include <gtest/gtest.h>

#include "BitmapBtnEdit.h"
#include "BrowseEditCtrl.h"
#include "DropGridCtrl.h"
#include "HeaderBtnControl.h"
#include "IndentEdit.h"
#include "cell_fixture.h"

namespace cells_test {
namespace {

class RegistrationTest : public CellTest {};

TEST_F(RegistrationTest, EachControlIsMadeByItsNameAndKnowsItsClass) {
  HostGrid grid;
  Attach(grid, 2, 2);
  const struct {
    const char* name;
    CRuntimeClass* runtimeClass;
    CRuntimeClass* base;
  } kControls[] = {
      {"CIndentEdit", RUNTIME_CLASS(CIndentEdit), RUNTIME_CLASS(CGXEditControl)},
      {"CBitmapBtnEdit", RUNTIME_CLASS(CBitmapBtnEdit), RUNTIME_CLASS(CGXEditControl)},
      {"CBrowseEditCtrl", RUNTIME_CLASS(CBrowseEditCtrl), RUNTIME_CLASS(CGXEditControl)},
      {"CDropGridCtrl", RUNTIME_CLASS(CDropGridCtrl), RUNTIME_CLASS(CGXEditControl)},
      {"CHeaderBtnControl", RUNTIME_CLASS(CHeaderBtnControl), RUNTIME_CLASS(CGXStatic)},
  };
  for (const auto& entry : kControls) {
    SCOPED_TRACE(entry.name);
    std::unique_ptr<CGXControl> control = GXCreateControl(entry.name, &grid);
    ASSERT_NE(nullptr, control);
    EXPECT_STREQ(entry.name, control->GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(control->IsKindOf(entry.runtimeClass));
    EXPECT_TRUE(control->IsKindOf(entry.base));
    EXPECT_EQ(entry.runtimeClass, CRuntimeClass::FromName(entry.name));
  }
  EXPECT_EQ(nullptr, GXCreateControl("CNoSuchControl", &grid));
}

TEST_F(RegistrationTest, ControlsMadeByNameServeTheCellsTheyAreRegisteredFor) {
  HostGrid grid;
  Attach(grid, 2, 2);
  grid.RegisterControl(61632, GXCreateControl("CBrowseEditCtrl", &grid).release());
  grid.RegisterControl(61633, GXCreateControl("CHeaderBtnControl", &grid).release());
  grid.SetStyleRange(CGXRange(1, 1), CGXStyle().SetControl(61632));
  grid.SetStyleRange(CGXRange().SetRows(0), CGXStyle().SetControl(61633));
  auto* browse = dynamic_cast<CBrowseEditCtrl*>(grid.GetControl(1, 1));
  ASSERT_NE(nullptr, browse);
  EXPECT_TRUE(browse->IsFileMode()) << "made by name, the browse cell picks files";
  auto* header = dynamic_cast<CHeaderBtnControl*>(grid.GetControl(0, 2));
  ASSERT_NE(nullptr, header);
  EXPECT_TRUE(header->GetSortMarkerOnPaper()) << "made by name, the header prints its marker";
}

}  // namespace
}  // namespace cells_test
