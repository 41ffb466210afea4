#include "cell_showcase.h"

#include "BitmapBtnEdit.h"
#include "BrowseEditCtrl.h"
#include "DropGridCtrl.h"
#include "HeaderBtnControl.h"
#include "IndentEdit.h"

namespace cells_test {
namespace {

constexpr WORD kHeaderID = 61900;
constexpr WORD kExpanded0 = 61901;
constexpr WORD kCollapsed1 = 61902;
constexpr WORD kIndent1 = 61903;
constexpr WORD kIndent0 = 61904;
constexpr WORD kFileID = 61632;
constexpr WORD kFolderID = 61633;
constexpr WORD kDropID = 61471;
constexpr int kIndentStep = 10;

COLORREF Tint(int level) { return RGB(255 - 15 * level, 255, 255); }

}  // namespace

void FillShowcase(CGXGridCore& grid, BOOL bSortMarkerOnPaper) {
  grid.SetRowCount(kShowcaseDropRow);
  grid.SetColCount(3);
  grid.SetColWidth(0, 0, 25);
  grid.SetColWidth(1, 1, 40);
  grid.SetColWidth(2, 2, 170);
  grid.SetColWidth(3, 3, 120);
  grid.SetRowHeight(0, 0, 22);
  grid.SetRowHeight(1, kShowcaseDropRow, 20);
  grid.RegisterControl(kHeaderID, new CHeaderBtnControl(&grid, bSortMarkerOnPaper));
  grid.RegisterControl(kExpanded0, new CBitmapBtnEdit(&grid, kExpanded0, CBitmapBtnEdit::kExpanded, 0));
  grid.RegisterControl(kCollapsed1, new CBitmapBtnEdit(&grid, kCollapsed1, CBitmapBtnEdit::kCollapsed, kIndentStep));
  grid.RegisterControl(kIndent1, new CIndentEdit(&grid, kIndent1, kIndentStep));
  grid.RegisterControl(kIndent0, new CIndentEdit(&grid, kIndent0, 0));
  grid.RegisterControl(kFileID, new CBrowseEditCtrl(TRUE, &grid, kFileID));
  grid.RegisterControl(kFolderID, new CBrowseEditCtrl(FALSE, &grid, kFolderID));
  grid.RegisterControl(kDropID, new CDropGridCtrl(&grid, kDropID));

  grid.SetStyleRange(CGXRange().SetRows(0), CGXStyle().SetControl(kHeaderID));
  grid.SetValueRange(CGXRange(0, 1), "Pos");
  grid.SetValueRange(CGXRange(0, 2), "Name");
  grid.SetValueRange(CGXRange(0, 3), "Type");
  grid.GetParam()->SetSortCol(2);
  grid.GetParam()->SetSortFlag(TRUE);

  const struct {
    const char* pos;
    WORD control;
    const char* name;
    const char* type;
    int level;
  } kRows[] = {
      {"1", kIndent0, "OrderId", "Integer", 0},
      {"2", kExpanded0, "Customer", "Customer", 0},
      {"2.1", kIndent1, "CustomerName", "String", 1},
      {"2.2", kCollapsed1, "Address", "Address", 1},
  };
  ROWCOL row = 1;
  for (const auto& r : kRows) {
    grid.SetStyleRange(CGXRange(row, 1, row, 3), CGXStyle().SetInterior(Tint(r.level)));
    grid.SetValueRange(CGXRange(row, 1), r.pos);
    grid.SetStyleRange(CGXRange(row, 2), CGXStyle().SetControl(r.control).SetValue(r.name));
    grid.SetValueRange(CGXRange(row, 3), r.type);
    ++row;
  }
  // An expanded name cell takes the tint of the level it opens.
  grid.SetStyleRange(CGXRange(2, 2), CGXStyle().SetInterior(Tint(1)));
  grid.SetValueRange(CGXRange(5, 1), "File");
  grid.SetStyleRange(CGXRange(5, 2), CGXStyle().SetControl(kFileID).SetValue("/data/orders.csv"));
  grid.SetValueRange(CGXRange(6, 1), "Dir");
  grid.SetStyleRange(CGXRange(6, 2), CGXStyle().SetControl(kFolderID).SetValue("/data/out"));
  grid.SetValueRange(CGXRange(kShowcaseDropRow, 1), "Verbs");
  grid.SetStyleRange(CGXRange(kShowcaseDropRow, 2), CGXStyle().SetControl(kDropID).SetInterior(RGB(0xC0, 0xC0, 0xC0)));
  grid.Redraw();
}

}  // namespace cells_test
