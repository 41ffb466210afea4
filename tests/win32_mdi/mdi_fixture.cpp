#include "mdi_fixture.h"

namespace halvane::test {
namespace {

constexpr const char* kFrameClass = "MdiTestFrame";
constexpr const char* kChildClass = "MdiTestChild";

HWND g_client = nullptr;

LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefFrameProc(hwnd, g_client, msg, wParam, lParam);
}

LRESULT CALLBACK ChildProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  MdiTest::childLog.add(hwnd, msg, wParam, lParam);
  return DefMDIChildProc(hwnd, msg, wParam, lParam);
}

void RegisterClasses() {
  WNDCLASS frame{};
  frame.lpfnWndProc = &FrameProc;
  frame.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  frame.lpszClassName = kFrameClass;
  RegisterClass(&frame);
  WNDCLASS child{};
  child.style = CS_DBLCLKS;
  child.lpfnWndProc = &ChildProc;
  child.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  child.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  child.lpszClassName = kChildClass;
  RegisterClass(&child);
}

}  // namespace

MessageLog MdiTest::childLog;

void MdiTest::SetUp() {
  RobotTest::SetUp();
  RegisterClasses();
  childLog.clear();
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenu(file, MF_STRING, 100, "&New");
  windowMenu = CreatePopupMenu();
  AppendMenu(windowMenu, MF_STRING, kWindowCascade, "&Cascade");
  AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(windowMenu), "&Window");
  frame = CreateWindowEx(0, kFrameClass, "Frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20, 600, 450, nullptr, bar,
                         nullptr, nullptr);
  CLIENTCREATESTRUCT ccs{windowMenu, kFirstChild};
  RECT r{};
  GetClientRect(frame, &r);
  client = CreateWindowEx(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0,
                          r.right, r.bottom, frame, reinterpret_cast<HMENU>(0xCAC), nullptr, &ccs);
  g_client = client;
  ShowWindow(frame, SW_SHOW);
  robot.pumpUntilIdle();
}

void MdiTest::TearDown() {
  DestroyWindow(frame);
  g_client = nullptr;
  childLog.clear();
  RobotTest::TearDown();
}

HWND MdiTest::newChild(const std::string& title, DWORD style, int x, int y, int cx, int cy) {
  HWND child = CreateMDIWindow(kChildClass, title.c_str(), style, x, y, cx, cy, client, nullptr, 0);
  robot.pumpUntilIdle();
  return child;
}

HWND MdiTest::active(BOOL* maximized) const {
  return reinterpret_cast<HWND>(SendMessage(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(maximized)));
}

std::string MdiTest::frameTitle() const {
  char text[256] = {};
  GetWindowText(frame, text, sizeof(text));
  return text;
}

std::vector<std::string> MdiTest::windowMenuItems() const {
  std::vector<std::string> items;
  for (int i = 0; i < GetMenuItemCount(windowMenu); ++i) {
    char text[128] = {};
    GetMenuString(windowMenu, UINT(i), text, sizeof(text), MF_BYPOSITION);
    std::string item = (GetMenuState(windowMenu, UINT(i), MF_BYPOSITION) & MF_SEPARATOR) ? "-" : text;
    if (GetMenuState(windowMenu, UINT(i), MF_BYPOSITION) & MF_CHECKED) item += " (checked)";
    items.push_back(item);
  }
  return items;
}

RECT MdiTest::childRect(HWND child) const {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, client, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace halvane::test
