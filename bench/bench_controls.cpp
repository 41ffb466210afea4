// The common controls an editor fills with a repository's contents: a list
// view in report mode and a tree view, each with 10,000 items; and the
// fills of a list view, a sorted list box and a tree view (expanded and
// collapsed) at 1k, 10k and 100k items.
#include <commctrl.h>

#include <string>

#include "bench_support.h"

namespace {

using halvane::bench::PeakMemory;
using halvane::bench::Pump;
using halvane::bench::RepaintAll;

constexpr int kItems = 10000;
constexpr int kColumns = 4;

HWND MakeFrame() {
  halvane::bench::ResetWindowSystem();
  InitCommonControls();
  return CreateWindowEx(0, "Static", "Bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1000, 800, nullptr, nullptr,
                        nullptr, nullptr);
}

HWND MakeControl(HWND frame, const char* className, DWORD style) {
  RECT rc;
  GetClientRect(frame, &rc);
  return CreateWindowEx(WS_EX_CLIENTEDGE, className, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | style, 0, 0,
                        rc.right, rc.bottom, frame, reinterpret_cast<HMENU>(1), nullptr, nullptr);
}

HWND MakeReportList(HWND frame) {
  HWND list = MakeControl(frame, WC_LISTVIEW, LVS_REPORT | LVS_SHOWSELALWAYS);
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
  for (int col = 0; col < kColumns; ++col) {
    std::string title = "Column " + std::to_string(col);
    LVCOLUMN column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 200;
    column.pszText = title.data();
    ListView_InsertColumn(list, col, &column);
  }
  return list;
}

void FillList(HWND list) {
  for (int i = 0; i < kItems; ++i) {
    std::string text = "Item " + std::to_string(i);
    LVITEM item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = text.data();
    const int at = ListView_InsertItem(list, &item);
    for (int col = 1; col < kColumns; ++col) {
      std::string cell = "Value " + std::to_string(i * col);
      ListView_SetItemText(list, at, col, cell.data());
    }
  }
}

void BM_ListViewInsert10k(benchmark::State& state) {
  HWND frame = MakeFrame();
  PeakMemory peak;
  for (auto _ : state) {
    HWND list = MakeReportList(frame);
    FillList(list);
    if (ListView_GetItemCount(list) != kItems) state.SkipWithError("items were lost");
    DestroyWindow(list);
    Pump();
  }
  peak.Report(state);
  state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_ListViewInsert10k)->Unit(benchmark::kMillisecond);

void BM_ListViewRepaint10k(benchmark::State& state) {
  HWND frame = MakeFrame();
  HWND list = MakeReportList(frame);
  FillList(list);
  Pump();
  for (auto _ : state) RepaintAll(list);
}
BENCHMARK(BM_ListViewRepaint10k)->Unit(benchmark::kMillisecond);

// 100 expanded branches of 99 leaves each: 10,000 items.
void FillTree(HWND tree) {
  constexpr int kBranches = 100;
  for (int b = 0; b < kBranches; ++b) {
    std::string text = "Folder " + std::to_string(b);
    TVINSERTSTRUCT insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_STATE;
    insert.item.state = TVIS_EXPANDED;
    insert.item.stateMask = TVIS_EXPANDED;
    insert.item.pszText = text.data();
    HTREEITEM branch = TreeView_InsertItem(tree, &insert);
    for (int leaf = 0; leaf < kItems / kBranches - 1; ++leaf) {
      std::string name = "Object " + std::to_string(b) + "." + std::to_string(leaf);
      insert.hParent = branch;
      insert.item.mask = TVIF_TEXT;
      insert.item.pszText = name.data();
      TreeView_InsertItem(tree, &insert);
    }
  }
}

void BM_TreeView10kExpanded(benchmark::State& state) {
  HWND frame = MakeFrame();
  PeakMemory peak;
  for (auto _ : state) {
    HWND tree = MakeControl(frame, WC_TREEVIEW, TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT);
    FillTree(tree);
    RepaintAll(tree);
    if (TreeView_GetCount(tree) != static_cast<UINT>(kItems)) state.SkipWithError("items were lost");
    DestroyWindow(tree);
    Pump();
  }
  peak.Report(state);
  state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_TreeView10kExpanded)->Unit(benchmark::kMillisecond);

// --- Fills at scale -------------------------------------------------------

void FillListView(HWND list, int count) {
  for (int i = 0; i < count; ++i) {
    std::string text = "Item " + std::to_string(i);
    LVITEM item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = text.data();
    ListView_InsertItem(list, &item);
  }
}

void BM_ListViewFill(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  HWND frame = MakeFrame();
  for (auto _ : state) {
    HWND list = MakeReportList(frame);
    FillListView(list, count);
    RepaintAll(list);
    if (ListView_GetItemCount(list) != count) state.SkipWithError("items were lost");
    DestroyWindow(list);
    Pump();
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_ListViewFill)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Names in a scrambled order, so every insert lands somewhere inside.
void BM_ListBoxSortedFill(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  HWND frame = MakeFrame();
  for (auto _ : state) {
    HWND list = MakeControl(frame, "ListBox", LBS_SORT | LBS_HASSTRINGS | LBS_NOTIFY);
    for (int i = 0; i < count; ++i) {
      const std::string text = "Object " + std::to_string((static_cast<long long>(i) * 7919) % count);
      SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    RepaintAll(list);
    if (SendMessage(list, LB_GETCOUNT, 0, 0) != count) state.SkipWithError("items were lost");
    DestroyWindow(list);
    Pump();
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_ListBoxSortedFill)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Branches of 100 leaves, expanded (or not) before their leaves come.
void FillBranches(HWND tree, int count, bool expanded) {
  TVINSERTSTRUCT insert{};
  insert.hInsertAfter = TVI_LAST;
  for (int b = 0; b < count / 100; ++b) {
    std::string text = "Folder " + std::to_string(b);
    insert.hParent = TVI_ROOT;
    insert.item.mask = TVIF_TEXT | TVIF_STATE;
    insert.item.state = expanded ? TVIS_EXPANDED : 0;
    insert.item.stateMask = TVIS_EXPANDED;
    insert.item.pszText = text.data();
    HTREEITEM branch = TreeView_InsertItem(tree, &insert);
    for (int leaf = 0; leaf < 99; ++leaf) {
      std::string name = "Object " + std::to_string(b) + "." + std::to_string(leaf);
      insert.hParent = branch;
      insert.item.mask = TVIF_TEXT;
      insert.item.pszText = name.data();
      TreeView_InsertItem(tree, &insert);
    }
  }
}

void TreeFill(benchmark::State& state, bool expanded) {
  const int count = static_cast<int>(state.range(0));
  HWND frame = MakeFrame();
  for (auto _ : state) {
    HWND tree = MakeControl(frame, WC_TREEVIEW, TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT);
    FillBranches(tree, count, expanded);
    RepaintAll(tree);
    if (TreeView_GetCount(tree) != static_cast<UINT>(count)) state.SkipWithError("items were lost");
    DestroyWindow(tree);
    Pump();
  }
  state.SetItemsProcessed(state.iterations() * count);
}

void BM_TreeViewFillExpanded(benchmark::State& state) { TreeFill(state, true); }
BENCHMARK(BM_TreeViewFillExpanded)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_TreeViewFillCollapsed(benchmark::State& state) { TreeFill(state, false); }
BENCHMARK(BM_TreeViewFillCollapsed)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
