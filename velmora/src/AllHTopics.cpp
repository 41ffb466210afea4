#include "AllHTopics.h"

#include <HLGrid.h>

#include <algorithm>
#include <iterator>

#include "HTopic.h"
#include "ResourceScope.h"
#include "resource.h"

namespace {

struct Column {
  const char* title;
  int width;  // the last column takes what the grid has left, at least this
};
constexpr Column kColumns[] = {{"Window", 170}, {"Sub Topic", 120}, {"File URL", 230}};
constexpr int kRowHeaderWidth = 28;

}  // namespace

CAllHTopics::CAllHTopics(CObList* pTopics, CWnd* pParent)
    : CDialog(IDD_ALL_HTOPICS, pParent), m_pTopics(pTopics), m_pGrid(std::make_unique<HLGrid>()) {}

CAllHTopics::~CAllHTopics() = default;

INT_PTR CAllHTopics::DoModal() {
  velmora::ResourceScope resources;
  // The template's grid control needs the grid's window class.
  GXInit();
  return CDialog::DoModal();
}

void CAllHTopics::DoDataExchange(CDataExchange* pDX) {
  velmora::ResourceScope resources;
  CDialog::DoDataExchange(pDX);
}

BOOL CAllHTopics::OnInitDialog() {
  velmora::ResourceScope resources;
  CDialog::OnInitDialog();
  m_pGrid->SubclassDlgItem(IDC_HTOPIC_GRID, this);
  m_pGrid->Initialize();
  FillGrid();
  return TRUE;
}

void CAllHTopics::FillGrid() {
  HLGrid& grid = *m_pGrid;
  grid.GetParam()->EnableUndo(FALSE);
  const auto count = static_cast<ROWCOL>(m_pTopics != nullptr ? m_pTopics->GetCount() : 0);
  grid.SetColCount(static_cast<ROWCOL>(std::size(kColumns)));
  grid.SetRowCount(count);
  CRect client;
  grid.GetClientRect(&client);
  int left = client.Width() - kRowHeaderWidth - 1;
  grid.SetColWidth(0, 0, kRowHeaderWidth);
  for (ROWCOL col = 1; col <= std::size(kColumns); ++col) {
    const bool last = col == std::size(kColumns);
    const int width = last ? std::max(kColumns[col - 1].width, left) : kColumns[col - 1].width;
    left -= width;
    grid.SetColWidth(col, col, width);
    grid.SetValueRange(CGXRange(0, col), kColumns[col - 1].title);
  }
  ROWCOL row = 1;
  for (POSITION pos = count > 0 ? m_pTopics->GetHeadPosition() : nullptr; pos != nullptr; ++row) {
    const auto* topic = static_cast<const HTopic*>(m_pTopics->GetNext(pos));
    grid.SetValueRange(CGXRange(row, 1), topic->m_strTitle);
    grid.SetValueRange(CGXRange(row, 2), topic->m_strSubTopic);
    grid.SetValueRange(CGXRange(row, 3), topic->m_strPage);
  }
  grid.GetParam()->SetActivateCellFlags(GX_ACTIVATE_READONLY);
  grid.SetReadOnly(TRUE);
}
