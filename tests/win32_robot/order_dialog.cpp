#include "order_dialog.h"

#include <windows.h>

#include "resource.h"

namespace halvane::test::demo {
namespace {

constexpr const char* kColours[] = {"Red", "Green", "Blue", "Yellow"};
constexpr const char* kSizes[] = {"Small", "Medium", "Large", "Extra large"};

std::string ItemText(HWND dlg, int id) {
  char text[256] = {};
  GetDlgItemText(dlg, id, text, sizeof text);
  return text;
}

std::string SelectedListText(HWND dlg) {
  const LRESULT index = SendDlgItemMessage(dlg, IDC_SIZES, LB_GETCURSEL, 0, 0);
  if (index < 0) return {};
  char text[256] = {};
  SendDlgItemMessage(dlg, IDC_SIZES, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return text;
}

void Fill(HWND dlg) {
  for (const char* colour : kColours) {
    SendDlgItemMessage(dlg, IDC_COLOUR, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(colour));
  }
  for (const char* size : kSizes) {
    SendDlgItemMessage(dlg, IDC_SIZES, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(size));
  }
}

void ReadBack(HWND dlg, OrderDialog& order) {
  order.name = ItemText(dlg, IDC_NAME);
  order.quantity = ItemText(dlg, IDC_QUANTITY);
  order.giftWrap = IsDlgButtonChecked(dlg, IDC_GIFT) == BST_CHECKED;
  order.express = IsDlgButtonChecked(dlg, IDC_EXPRESS) == BST_CHECKED;
  order.shipping = 0;
  for (int id : {IDC_ROAD, IDC_RAIL, IDC_AIR}) {
    if (IsDlgButtonChecked(dlg, id) == BST_CHECKED) order.shipping = id;
  }
  order.colour = ItemText(dlg, IDC_COLOUR);
  order.size = SelectedListText(dlg);
}

BOOL OnCommand(HWND dlg, OrderDialog& order, int id) {
  switch (id) {
    case IDOK:
      ReadBack(dlg, order);
      EndDialog(dlg, IDOK);
      return TRUE;
    case IDCANCEL:
      EndDialog(dlg, IDCANCEL);
      return TRUE;
    case IDC_DETAILS:
      MessageBox(dlg, kDetailsText, kDetailsTitle, MB_OK | MB_ICONINFORMATION);
      return TRUE;
    default:
      return FALSE;
  }
}

INT_PTR CALLBACK OrderProc(HWND dlg, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* order = reinterpret_cast<OrderDialog*>(lParam);
    SetWindowLongPtr(dlg, DWLP_USER, lParam);
    order->log.add(dlg, message, wParam, lParam);
    Fill(dlg);
    return TRUE;
  }
  auto* order = reinterpret_cast<OrderDialog*>(GetWindowLongPtr(dlg, DWLP_USER));
  if (order == nullptr) return FALSE;
  order->log.add(dlg, message, wParam, lParam);
  return message == WM_COMMAND ? OnCommand(dlg, *order, LOWORD(wParam)) : FALSE;
}

}  // namespace

// A program's own resources belong to its main module.
HINSTANCE DemoModule() { return GetModuleHandle(nullptr); }

INT_PTR OrderDialog::run(HWND owner) {
  return DialogBoxParam(DemoModule(), MAKEINTRESOURCE(IDD_ORDER), owner, &OrderProc, reinterpret_cast<LPARAM>(this));
}

}  // namespace halvane::test::demo
