// "More Windows...": the window menu lists nine children; the rest are
// chosen from the "Select Window" dialog.
#include <string>

#include "internal/dlg_template_builder.h"
#include "mdi/mdi_client.h"
#include "mdi/mdi_state.h"

namespace win32::mdi {
namespace {

constexpr WORD kListId = 100;

struct Choice {
  std::vector<HWND> children;
  HWND active = nullptr;
};

std::string TitleOf(HWND hwnd) {
  char text[256] = {};
  GetWindowText(hwnd, text, sizeof(text));
  return text;
}

INT_PTR CALLBACK SelectWindowProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  HWND list = GetDlgItem(dlg, kListId);
  switch (msg) {
    case WM_INITDIALOG: {
      const auto* choice = reinterpret_cast<const Choice*>(lParam);
      for (size_t i = 0; i < choice->children.size(); ++i) {
        SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(TitleOf(choice->children[i]).c_str()));
        if (choice->children[i] == choice->active) SendMessage(list, LB_SETCURSEL, i, 0);
      }
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || (LOWORD(wParam) == kListId && HIWORD(wParam) == LBN_DBLCLK)) {
        EndDialog(dlg, SendMessage(list, LB_GETCURSEL, 0, 0) + 1);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dlg, 0);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

void ChooseMoreWindows(HWND client) {
  const auto info = InfoOf(client);
  if (!info) return;
  internal::DialogTemplateBuilder dialog(DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, RECT{0, 0, 160, 118},
                                         "Select Window", {8, "MS Sans Serif"});
  dialog.Item(WS_CHILD | WS_VISIBLE, 0, RECT{7, 7, 153, 15}, 0xFFFF, "Static", "&Select Window:")
      .Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 0, RECT{7, 18, 153, 92}, kListId,
            "ListBox", "")
      .Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, RECT{49, 97, 99, 111}, IDOK, "Button", "OK")
      .Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, RECT{103, 97, 153, 111}, IDCANCEL, "Button",
            "Cancel");
  Choice choice{info->children, info->active};
  const INT_PTR chosen =
      DialogBoxIndirectParam(nullptr, dialog.Get(), info->frame, &SelectWindowProc, reinterpret_cast<LPARAM>(&choice));
  if (chosen <= 0 || size_t(chosen) > choice.children.size()) return;
  HWND child = choice.children[size_t(chosen - 1)];
  if (!IsWindow(child)) return;
  if (IsIconic(child)) ShowWindow(child, SW_RESTORE);
  Activate(client, child);
}

}  // namespace win32::mdi
