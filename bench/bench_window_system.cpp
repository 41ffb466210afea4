// The window system's core: the message queue, dialogs from templates and
// painting a window full of controls; and the registry with a deep key and
// a key with many subkeys.
#include <cstdio>
#include <string>

#include "win32/winreg.h"

#include "bench_support.h"
#include "internal/dlg_template_builder.h"

namespace {

using halvane::bench::PeakMemory;
using halvane::bench::Pump;

constexpr const char* kClass = "BenchWindow";
long g_received = 0;

LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_USER) {
    ++g_received;
    return 0;
  }
  return DefWindowProc(hwnd, msg, wp, lp);
}

void Setup() {
  halvane::bench::ResetWindowSystem();
  WNDCLASS wc{};
  wc.lpfnWndProc = CountingProc;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClass;
  RegisterClass(&wc);
}

HWND MakeTop(int cx, int cy) {
  return CreateWindowEx(0, kClass, "Bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, cx, cy, nullptr, nullptr, nullptr,
                        nullptr);
}

void BM_PostAndDispatch(benchmark::State& state) {
  Setup();
  HWND top = MakeTop(300, 200);
  Pump();
  const long count = state.range(0);
  for (auto _ : state) {
    g_received = 0;
    for (long i = 0; i < count; ++i) PostMessage(top, WM_USER, static_cast<WPARAM>(i), 0);
    Pump();
    if (g_received != count) state.SkipWithError("messages were lost");
  }
  state.SetItemsProcessed(state.iterations() * count);
  DestroyWindow(top);
}
BENCHMARK(BM_PostAndDispatch)->Arg(100000)->Unit(benchmark::kMillisecond);

INT_PTR CALLBACK PlainDialogProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

// A settings-like dialog: ten rows of label, edit and check box.
win32::internal::DialogTemplateBuilder ThirtyControlTemplate() {
  win32::internal::DialogTemplateBuilder dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT | WS_VISIBLE, 0,
                                                RECT{0, 0, 300, 220}, "Settings", {8, "MS Sans Serif"});
  for (int row = 0; row < 10; ++row) {
    const int y = 5 + row * 20;
    const WORD id = static_cast<WORD>(100 + row * 3);
    const std::string label = "Field " + std::to_string(row) + ":";
    dialog.Item(WS_VISIBLE | SS_LEFT, 0, RECT{5, y, 60, y + 12}, id, "Static", label)
        .Item(WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 0, RECT{65, y, 200, y + 14},
              static_cast<WORD>(id + 1), "Edit", "value")
        .Item(WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, RECT{210, y, 290, y + 14}, static_cast<WORD>(id + 2),
              "Button", "Enabled");
  }
  return dialog;
}

void BM_DialogFromTemplate(benchmark::State& state) {
  Setup();
  const auto dialog = ThirtyControlTemplate();
  for (auto _ : state) {
    HWND dlg = CreateDialogIndirectParam(nullptr, dialog.Get(), nullptr, &PlainDialogProc, 0);
    if (dlg == nullptr) state.SkipWithError("the dialog was not created");
    Pump();
    DestroyWindow(dlg);
    Pump();
  }
}
BENCHMARK(BM_DialogFromTemplate)->Unit(benchmark::kMicrosecond);

// 200 controls in a 20 x 10 layout: buttons, edits, check boxes, labels.
void AddControls(HWND top) {
  static const char* const kinds[] = {"Button", "Edit", "Button", "Static"};
  static const DWORD styles[] = {BS_PUSHBUTTON, WS_BORDER | ES_AUTOHSCROLL, BS_AUTOCHECKBOX, SS_LEFT};
  for (int i = 0; i < 200; ++i) {
    const int kind = i % 4;
    CreateWindowEx(0, kinds[kind], "Control", WS_CHILD | WS_VISIBLE | styles[kind], (i % 10) * 98 + 4,
                   (i / 10) * 38 + 4, 94, 30, top, reinterpret_cast<HMENU>(static_cast<INT_PTR>(1000 + i)), nullptr,
                   nullptr);
  }
}

void BM_PaintWindowWith200Controls(benchmark::State& state) {
  Setup();
  PeakMemory peak;
  HWND top = MakeTop(1000, 800);
  AddControls(top);
  Pump();
  for (auto _ : state) halvane::bench::RepaintAll(top);
  peak.Report(state);
  DestroyWindow(top);
}
BENCHMARK(BM_PaintWindowWith200Controls)->Unit(benchmark::kMillisecond);

// --- Registry ----------------------------------------------------------------

// A key `depth` levels deep, made a level at a time, then one value set at
// its end: every write rewrites the file.
void BM_RegistryDeepKey(benchmark::State& state) {
  const int depth = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    halvane::bench::TempFolder folder("registry-bench");
    win32::SetRegistryFile(folder.Path() + "/registry.reg");
    state.ResumeTiming();
    std::string path = "Software\\Deep";
    HKEY key = nullptr;
    for (int level = 0; level < depth; ++level) {
      path += "\\L" + std::to_string(level);
      RegCreateKey(HKEY_CURRENT_USER, path.c_str(), &key);
      RegCloseKey(key);
    }
    RegOpenKey(HKEY_CURRENT_USER, path.c_str(), &key);
    const DWORD value = 1;
    if (RegSetValueEx(key, "Leaf", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4) != ERROR_SUCCESS) {
      state.SkipWithError("the value was not written");
    }
    RegCloseKey(key);
    win32::SetRegistryFile("");
  }
}
BENCHMARK(BM_RegistryDeepKey)->Arg(250)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond);

// Enumerating the subkeys of one key, from a file another program wrote.
void BM_RegistryEnumSubkeys(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  halvane::bench::TempFolder folder("registry-bench");
  const std::string file = folder.Path() + "/registry.reg";
  {
    FILE* out = std::fopen(file.c_str(), "wb");
    std::fputs("REGEDIT4\r\n\r\n", out);
    for (int i = 0; i < count; ++i) std::fprintf(out, "[HKEY_CURRENT_USER\\Software\\Many\\Key%06d]\r\n\r\n", i);
    std::fclose(out);
  }
  win32::SetRegistryFile(file);
  HKEY many = nullptr;
  RegOpenKey(HKEY_CURRENT_USER, "Software\\Many", &many);
  for (auto _ : state) {
    char name[64];
    DWORD index = 0;
    for (DWORD size = sizeof name;
         RegEnumKeyEx(many, index, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         size = sizeof name) {
      ++index;
    }
    if (static_cast<int>(index) != count) state.SkipWithError("subkeys were missed");
  }
  RegCloseKey(many);
  win32::SetRegistryFile("");
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_RegistryEnumSubkeys)->Arg(1000)->Arg(8000)->Arg(32000)->Unit(benchmark::kMillisecond);

}  // namespace
