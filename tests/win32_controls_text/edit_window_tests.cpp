// The "Edit" class driven through messages and injected input, with the
// notifications its parent receives.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "win32/input.h"
#include "message_sequence.h"
#include "recording_window.h"
#include "robot.h"
#include "windows.h"

namespace {

constexpr int kEditId = 100;

using halvane::test::ExpectedMessage;
using halvane::test::MatchesSequence;
using halvane::test::SequenceMatch;

class EditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::ResetWindowSystem();
    win32::UseVirtualClock(true);
    window_ = std::make_unique<halvane::test::RecordingWindow>("Edits", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                                               RECT{10, 10, 330, 250});
    parent_ = window_->hwnd();
  }
  void TearDown() override { window_.reset(); }

  HWND Make(DWORD style, const char* text = "", int cx = 200, int cy = 24) {
    HWND edit = CreateWindowEx(WS_EX_CLIENTEDGE, "Edit", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 10, 10, cx,
                               cy, parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), nullptr, nullptr);
    Pump();
    window_->clear();
    return edit;
  }
  static void Pump() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessage(&msg);
    }
  }
  static std::string Text(HWND hwnd) {
    char buf[512] = {};
    GetWindowText(hwnd, buf, sizeof(buf));
    return buf;
  }
  static void Keys(std::initializer_list<UINT> held, UINT key) {
    for (UINT k : held) win32::input::KeyDown(k);
    win32::input::KeyDown(key);
    win32::input::KeyUp(key);
    for (UINT k : held) win32::input::KeyUp(k);
    Pump();
  }
  void Type(HWND edit, const std::string& text) {
    SetFocus(edit);
    win32::input::TypeText(text);
    Pump();
  }
  static std::pair<DWORD, DWORD> Sel(HWND edit) {
    DWORD s = 0, e = 0;
    SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    return {s, e};
  }

  // The notification codes the edit sent its parent, in order.
  std::vector<int> Notes() const {
    std::vector<int> codes;
    for (const halvane::test::Command& c : window_->commands()) {
      if (c.id == kEditId) codes.push_back(c.code);
    }
    return codes;
  }

  std::unique_ptr<halvane::test::RecordingWindow> window_;
  HWND parent_ = nullptr;
};

TEST_F(EditTest, SetTextSendsUpdateThenChange) {
  HWND edit = Make(ES_AUTOHSCROLL);
  SetWindowText(edit, "hello");
  EXPECT_EQ(Notes(), (std::vector<int>{EN_UPDATE, EN_CHANGE}));
  EXPECT_EQ(Text(edit), "hello");
  EXPECT_EQ(SendMessage(edit, EM_GETMODIFY, 0, 0), FALSE);
  EXPECT_EQ(SendMessage(edit, EM_CANUNDO, 0, 0), FALSE);
}

TEST_F(EditTest, SetTextOnAMultiLineEditIsNotAnnouncedAsAChange) {
  HWND edit = Make(ES_MULTILINE | ES_AUTOVSCROLL, "", 200, 80);
  SetWindowText(edit, "first\r\nsecond");
  EXPECT_TRUE(MatchesSequence(*window_, {{WM_COMMAND, edit, 0, EN_UPDATE}}, SequenceMatch::IgnoreOthers));
  EXPECT_EQ(Text(edit), "first\r\nsecond");
  SetFocus(edit);
  window_->clear();
  Type(edit, "x");
  EXPECT_EQ(Notes(), (std::vector<int>{EN_UPDATE, EN_CHANGE})) << "typing still announces the change";
  window_->clear();
  SendMessage(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("y"));
  EXPECT_EQ(Notes(), (std::vector<int>{EN_UPDATE, EN_CHANGE}));
}

TEST_F(EditTest, TypingBackspaceAndUndo) {
  HWND edit = Make(ES_AUTOHSCROLL);
  Type(edit, "abcd");
  Keys({}, VK_BACK);
  EXPECT_EQ(Text(edit), "abc");
  EXPECT_EQ(SendMessage(edit, EM_GETMODIFY, 0, 0), TRUE);
  SendMessage(edit, EM_UNDO, 0, 0);
  EXPECT_EQ(Text(edit), "abcd");
  SendMessage(edit, WM_UNDO, 0, 0);
  EXPECT_EQ(Text(edit), "abc");
}

TEST_F(EditTest, ShiftArrowsSelectAndCopyPaste) {
  HWND edit = Make(ES_AUTOHSCROLL, "hello world");
  SetFocus(edit);
  Keys({}, VK_HOME);
  Keys({VK_CONTROL, VK_SHIFT}, VK_RIGHT);
  EXPECT_EQ(Sel(edit), (std::pair<DWORD, DWORD>{0, 6}));
  Keys({VK_CONTROL}, 'C');
  Keys({}, VK_END);
  Keys({VK_SHIFT}, VK_INSERT);
  EXPECT_EQ(Text(edit), "hello worldhello ");
  SendMessage(edit, EM_SETSEL, 0, 5);
  window_->clear();
  SendMessage(edit, WM_CUT, 0, 0);
  EXPECT_EQ(Text(edit), " worldhello ");
  EXPECT_EQ(Notes(), (std::vector<int>{EN_UPDATE, EN_CHANGE}));
}

TEST_F(EditTest, SetSelRules) {
  HWND edit = Make(ES_AUTOHSCROLL, "abcdef");
  SendMessage(edit, EM_SETSEL, 0, -1);
  EXPECT_EQ(Sel(edit), (std::pair<DWORD, DWORD>{0, 6}));
  EXPECT_EQ(SendMessage(edit, EM_GETSEL, 0, 0), MAKELRESULT(0, 6));
  SendMessage(edit, EM_SETSEL, 4, 1);
  EXPECT_EQ(Sel(edit), (std::pair<DWORD, DWORD>{1, 4}));
  SendMessage(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);
  const auto [s, e] = Sel(edit);
  EXPECT_EQ(s, e);
}

TEST_F(EditTest, LimitCutsTypingAndPasteWithMaxText) {
  HWND edit = Make(ES_AUTOHSCROLL);
  SendMessage(edit, EM_LIMITTEXT, 3, 0);
  EXPECT_EQ(SendMessage(edit, EM_GETLIMITTEXT, 0, 0), 3);
  Type(edit, "abcd");
  EXPECT_EQ(Text(edit), "abc");
  EXPECT_EQ(Notes().back(), EN_MAXTEXT);
  SendMessage(edit, EM_SETSEL, 0, -1);
  SendMessage(edit, WM_COPY, 0, 0);
  SendMessage(edit, EM_SETSEL, 1, 1);
  window_->clear();
  SendMessage(edit, WM_PASTE, 0, 0);
  EXPECT_EQ(Text(edit), "abc");
  EXPECT_EQ(Notes(), (std::vector<int>{EN_MAXTEXT}));
  SendMessage(edit, EM_LIMITTEXT, 0, 0);
  EXPECT_GT(SendMessage(edit, EM_GETLIMITTEXT, 0, 0), 30000);
}

TEST_F(EditTest, PasswordShowsStarsAndRefusesCopy) {
  HWND edit = Make(ES_PASSWORD | ES_AUTOHSCROLL, "secret");
  EXPECT_EQ(SendMessage(edit, EM_GETPASSWORDCHAR, 0, 0), '*');
  SendMessage(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("clip"));
  SendMessage(edit, EM_SETSEL, 0, -1);
  SendMessage(edit, WM_COPY, 0, 0);
  SendMessage(edit, WM_CUT, 0, 0);
  EXPECT_EQ(Text(edit), "clip");
}

TEST_F(EditTest, ReadOnlyRefusesUserEditsButTakesReplaceSel) {
  HWND edit = Make(ES_READONLY | ES_AUTOHSCROLL, "fixed");
  Type(edit, "x");
  Keys({}, VK_DELETE);
  SendMessage(edit, EM_SETSEL, 0, -1);
  SendMessage(edit, WM_CLEAR, 0, 0);
  EXPECT_EQ(Text(edit), "fixed");
  EXPECT_TRUE(Notes().empty() || Notes() == (std::vector<int>{EN_SETFOCUS}));
  SendMessage(edit, EM_SETSEL, 5, 5);
  SendMessage(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("!"));
  EXPECT_EQ(Text(edit), "fixed!");
  SendMessage(edit, EM_SETREADONLY, FALSE, 0);
  EXPECT_FALSE(GetWindowLongPtr(edit, GWL_STYLE) & ES_READONLY);
}

TEST_F(EditTest, NumberUppercaseAndSingleLineRules) {
  HWND number = Make(ES_NUMBER | ES_AUTOHSCROLL);
  Type(number, "1a2");
  EXPECT_EQ(Text(number), "12");
  HWND upper = Make(ES_UPPERCASE | ES_AUTOHSCROLL);
  Type(upper, "ab");
  EXPECT_EQ(Text(upper), "AB");
}

TEST_F(EditTest, MultiLineLinesAndLineMessages) {
  HWND edit = Make(ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL, "", 200, 60);
  SetWindowText(edit, "one\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix");
  EXPECT_EQ(SendMessage(edit, EM_GETLINECOUNT, 0, 0), 6);
  EXPECT_EQ(SendMessage(edit, EM_LINEINDEX, 2, 0), 10);
  EXPECT_EQ(SendMessage(edit, EM_LINELENGTH, 10, 0), 5);
  EXPECT_EQ(SendMessage(edit, EM_LINEFROMCHAR, 11, 0), 2);
  EXPECT_EQ(SendMessage(edit, EM_LINEINDEX, 9, 0), -1);
  char line[16] = {};
  *reinterpret_cast<WORD*>(line) = sizeof(line);
  EXPECT_EQ(SendMessage(edit, EM_GETLINE, 3, reinterpret_cast<LPARAM>(line)), 4);
  EXPECT_EQ(std::string(line, 4), "four");
  SendMessage(edit, EM_SETSEL, 31, 31);
  SendMessage(edit, EM_SCROLLCARET, 0, 0);
  EXPECT_GT(SendMessage(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  SendMessage(edit, EM_LINESCROLL, 0, -10);
  EXPECT_EQ(SendMessage(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  SetFocus(edit);
  Keys({VK_CONTROL}, VK_END);
  Keys({}, VK_RETURN);
  EXPECT_EQ(Text(edit), "one\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix\r\n");
  EXPECT_EQ(SendMessage(edit, EM_GETLINECOUNT, 0, 0), 7);
}

TEST_F(EditTest, DialogCodes) {
  HWND single = Make(ES_AUTOHSCROLL);
  EXPECT_EQ(SendMessage(single, WM_GETDLGCODE, 0, 0), DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS);
  HWND multi = Make(ES_MULTILINE | ES_WANTRETURN);
  EXPECT_TRUE(SendMessage(multi, WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS);
  MSG tab{multi, WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_FALSE(SendMessage(multi, WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&tab)) & DLGC_WANTALLKEYS);
}

TEST_F(EditTest, ClickPlacesCaretAndDragSelects) {
  HWND edit = Make(ES_AUTOHSCROLL, "abcdefgh");
  const LRESULT endPos = SendMessage(edit, EM_POSFROMCHAR, 8, 0);
  const LRESULT midPos = SendMessage(edit, EM_POSFROMCHAR, 3, 0);
  EXPECT_GT(LOWORD(endPos), LOWORD(midPos));
  EXPECT_EQ(SendMessage(edit, EM_POSFROMCHAR, 9, 0), -1);
  EXPECT_EQ(LOWORD(SendMessage(edit, EM_CHARFROMPOS, 0, midPos)), 3);
  POINT from{GET_X_LPARAM(midPos), GET_Y_LPARAM(midPos) + 2};
  POINT to{GET_X_LPARAM(endPos) + 20, from.y};
  ClientToScreen(edit, &from);
  ClientToScreen(edit, &to);
  win32::input::MouseMove(from);
  win32::input::MouseButton(0, true, from);
  win32::input::MouseMove(to);
  win32::input::MouseButton(0, false, to);
  Pump();
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_EQ(Sel(edit), (std::pair<DWORD, DWORD>{3, 8}));
  EXPECT_EQ(Notes().front(), EN_SETFOCUS);
}

TEST_F(EditTest, Snapshots) {
  HWND normal = Make(ES_AUTOHSCROLL, "Normal text");
  SetWindowPos(normal, nullptr, 10, 10, 140, 22, SWP_NOZORDER);
  HWND focused = Make(ES_AUTOHSCROLL, "Focused selection");
  SetWindowPos(focused, nullptr, 160, 10, 140, 22, SWP_NOZORDER);
  HWND readOnly = Make(ES_READONLY | ES_AUTOHSCROLL, "Read-only");
  SetWindowPos(readOnly, nullptr, 10, 40, 140, 22, SWP_NOZORDER);
  HWND password = Make(ES_PASSWORD | ES_AUTOHSCROLL, "secret");
  SetWindowPos(password, nullptr, 160, 40, 140, 22, SWP_NOZORDER);
  HWND multi = Make(ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, "", 290, 80);
  SetWindowPos(multi, nullptr, 10, 70, 290, 80, SWP_NOZORDER);
  SetWindowText(multi, "First line\r\nSecond line\r\nThird line\r\nFourth line\r\nFifth line\r\nSixth line");
  SetFocus(focused);
  SendMessage(focused, EM_SETSEL, 0, 7);
  Pump();
  EXPECT_EQ(Text(password), "secret");
  halvane::test::Snapshot(parent_, "edit_controls");
}

}  // namespace
