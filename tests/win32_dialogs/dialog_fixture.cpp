#include "dialog_fixture.h"

#include "resource.h"
#include "win32/input.h"

namespace {

// The script of the running test; the dialog procedure has no other way to
// reach it before WM_INITDIALOG hands it an lParam.
DialogScript* currentScript = nullptr;

LRESULT CALLBACK OwnerProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProc(wnd, msg, wParam, lParam);
}

}  // namespace

INT_PTR CALLBACK TestDialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  DialogScript* s = currentScript;
  if (!s) return FALSE;
  s->messages.push_back(msg);
  switch (msg) {
    case WM_INITDIALOG:
      s->initFocus = reinterpret_cast<HWND>(wParam);
      if (s->onInit) s->onInit(dlg);
      return s->initAnswer;
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      s->commands.push_back({id, code});
      if (s->onCommand && s->onCommand(dlg, id, code)) return TRUE;
      if (id == IDOK || id == IDCANCEL) {
        EndDialog(dlg, id);
        return TRUE;
      }
      return FALSE;
    }
    default:
      return s->onMessage && s->onMessage(dlg, msg, wParam, lParam);
  }
}

void DialogTest::SetUp() {
  win32::ResetWindowSystem();
  win32::UseVirtualClock(true);
  currentScript = &script;
  win32::SetModalIdleHook([this](HWND modal) {
    if (steps_.empty()) {
      ADD_FAILURE() << "a modal loop is idle and the test has no step left";
      EndDialog(modal, -2);
      return true;
    }
    auto step = std::move(steps_.front());
    steps_.pop_front();
    step(modal);
    return true;
  });
}

void DialogTest::TearDown() {
  EXPECT_TRUE(steps_.empty()) << steps_.size() << " steps were not played";
  EXPECT_TRUE(win32::GetModalStack().empty());
  win32::SetModalIdleHook(nullptr);
  currentScript = nullptr;
  win32::ResetWindowSystem();
}

void DialogTest::RecordFocus(std::vector<int>& ids) {
  Then([&ids](HWND) { ids.push_back(FocusId()); });
}

HINSTANCE DialogTest::Module() { return GetModuleHandle(nullptr); }

INT_PTR DialogTest::RunSettings(HWND owner) {
  return DialogBoxParam(Module(), MAKEINTRESOURCE(IDD_SETTINGS), owner, &TestDialogProc, 0);
}

HWND DialogTest::CreateSettings(HWND owner) {
  return CreateDialogParam(Module(), MAKEINTRESOURCE(IDD_SETTINGS), owner, &TestDialogProc, 0);
}

HWND DialogTest::MakeOwner(const char* title) {
  WNDCLASSEX wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &OwnerProc;
  wc.hInstance = Module();
  wc.lpszClassName = "DialogTestOwner";
  RegisterClassEx(&wc);
  return CreateWindowEx(0, "DialogTestOwner", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 500, 400, nullptr,
                        nullptr, Module(), nullptr);
}

std::string DialogTest::TextOf(HWND wnd) {
  char buffer[512] = {};
  GetWindowText(wnd, buffer, sizeof buffer);
  return buffer;
}

void Press(UINT vk) {
  win32::input::KeyDown(vk);
  win32::input::KeyUp(vk);
}

void PressWith(UINT modifier, UINT vk) {
  win32::input::KeyDown(modifier);
  Press(vk);
  win32::input::KeyUp(modifier);
}

void TypeChar(char c) { win32::input::Char(c); }
