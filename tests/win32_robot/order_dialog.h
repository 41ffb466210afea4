// The demonstration dialog: an order form from the test's resource script,
// run modally; its procedure logs what it receives and keeps the values
// read back when OK ends it.
#pragma once

#include <string>

#include "message_log.h"

namespace halvane::test::demo {

struct OrderDialog {
  std::string name;
  std::string quantity;
  bool giftWrap = false;
  bool express = false;
  int shipping = 0;  // id of the checked radio button, 0 when none
  std::string colour;
  std::string size;

  // Every message the dialog procedure received, WM_INITDIALOG first.
  MessageLog log;

  // DialogBoxParam on the IDD_ORDER template; the dialog's result.
  INT_PTR run(HWND owner = nullptr);
};

inline constexpr const char* kOrderTitle = "Order Details";
inline constexpr const char* kDetailsTitle = "Details";
inline constexpr const char* kDetailsText = "Orders ship within two days.";

// The module of the test's resource script: the test program itself.
HINSTANCE DemoModule();

}  // namespace halvane::test::demo
