// The fixture of the dialog manager's tests: a clean window system on the
// virtual clock, a recording dialog procedure and a script of steps that
// the modal idle hook plays, one step each time a modal loop is idle.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <windows.h>

struct Command {
  int id;
  int code;
  bool operator==(const Command&) const = default;
};

// What the test dialog procedure saw and how it answers.
struct DialogScript {
  std::vector<UINT> messages;
  std::vector<Command> commands;
  BOOL initAnswer = TRUE;
  HWND initFocus = nullptr;  // wParam of WM_INITDIALOG
  std::function<void(HWND)> onInit;
  // Answers TRUE when it handled the command; by default IDOK and IDCANCEL
  // end the dialog with their id.
  std::function<bool(HWND, int id, int code)> onCommand;
  // Any other message; answers TRUE when it handled it.
  std::function<bool(HWND, UINT, WPARAM, LPARAM)> onMessage;
};

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Adds a step for the next idle moment of a modal loop.
  void Then(std::function<void(HWND modal)> step) { steps_.push_back(std::move(step)); }
  // A step that records the focused control's id.
  void RecordFocus(std::vector<int>& ids);

  INT_PTR RunSettings(HWND owner = nullptr);
  HWND CreateSettings(HWND owner = nullptr);
  static HINSTANCE Module();
  static HWND MakeOwner(const char* title = "Owner");
  static int FocusId() { return GetDlgCtrlID(GetFocus()); }
  static DWORD StyleOf(HWND wnd) { return static_cast<DWORD>(GetWindowLong(wnd, GWL_STYLE)); }
  static std::string TextOf(HWND wnd);

  DialogScript script;
  std::deque<std::function<void(HWND)>> steps_;
};

INT_PTR CALLBACK TestDialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);

// Keyboard helpers on the injected input.
void Press(UINT vk);
void PressWith(UINT modifier, UINT vk);
void TypeChar(char c);
