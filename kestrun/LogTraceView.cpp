#include "LogTraceView.h"

#include <afxdlgs.h>

#include <climits>
#include <cstdlib>

#include "ConfigFileText.h"
#include "Connector.h"
#include "KestrunDoc.h"
#include "LogTraceRules.h"

using namespace log_trace_rules;

namespace {

// The controls, texts and file type of one group of the form.
struct GroupIds {
  int toFile;
  int toConsole;
  int file;
  int browse;
  int size;
  int sizeSpin;
  int unit;
  int unlimited;
  int archives;
  int archivesSpin;
  UINT sizeZeroMessage;
  UINT nameMissingMessage;
  UINT filter;
  UINT title;
  const char* defaultExtension;
};

constexpr GroupIds kGroupIds[] = {
    {IDC_LOG_TO_FILE, IDC_LOG_TO_CONSOLE, IDC_LOG_FILE, IDC_LOG_BROWSE, IDC_LOG_SIZE, IDC_LOG_SIZE_SPIN, IDC_LOG_UNIT,
     IDC_LOG_UNLIMITED, IDC_LOG_ARCHIVES, IDC_LOG_ARCHIVES_SPIN, IDS_LOG_SIZE_ZERO, IDS_LOG_NAME_MISSING,
     IDS_LOG_FILE_FILTER, IDS_LOG_FILE_TITLE, ".log"},
    {IDC_TRACE_TO_FILE, IDC_TRACE_TO_CONSOLE, IDC_TRACE_FILE, IDC_TRACE_BROWSE, IDC_TRACE_SIZE, IDC_TRACE_SIZE_SPIN,
     IDC_TRACE_UNIT, IDC_TRACE_UNLIMITED, IDC_TRACE_ARCHIVES, IDC_TRACE_ARCHIVES_SPIN, IDS_TRACE_SIZE_ZERO,
     IDS_TRACE_NAME_MISSING, IDS_TRACE_FILE_FILTER, IDS_TRACE_FILE_TITLE, ".trc"},
};

constexpr DWORD kBeepFrequency = 640;
constexpr DWORD kBeepDuration = 40;

}  // namespace

IMPLEMENT_DYNCREATE(CLogTraceView, CFormTabView)

BEGIN_MESSAGE_MAP(CLogTraceView, CFormTabView)
  ON_BN_CLICKED(IDC_LOG_BROWSE, OnLogBrowse)
  ON_BN_CLICKED(IDC_TRACE_BROWSE, OnTraceBrowse)
  ON_BN_CLICKED(IDC_LOG_TO_FILE, OnCheckBox)
  ON_BN_CLICKED(IDC_LOG_TO_CONSOLE, OnCheckBox)
  ON_BN_CLICKED(IDC_LOG_UNLIMITED, OnCheckBox)
  ON_BN_CLICKED(IDC_TRACE_TO_FILE, OnCheckBox)
  ON_BN_CLICKED(IDC_TRACE_TO_CONSOLE, OnCheckBox)
  ON_BN_CLICKED(IDC_TRACE_UNLIMITED, OnCheckBox)
  ON_NOTIFY(UDN_DELTAPOS, IDC_LOG_SIZE_SPIN, OnLogSizeSpin)
  ON_NOTIFY(UDN_DELTAPOS, IDC_TRACE_SIZE_SPIN, OnTraceSizeSpin)
  ON_EN_CHANGE(IDC_LOG_SIZE, OnLogSizeChange)
  ON_EN_CHANGE(IDC_TRACE_SIZE, OnTraceSizeChange)
  ON_EN_CHANGE(IDC_LOG_ARCHIVES, OnLogArchivesChange)
  ON_EN_CHANGE(IDC_TRACE_ARCHIVES, OnTraceArchivesChange)
  ON_EN_CHANGE(IDC_LOG_FILE, OnFileNameChange)
  ON_EN_CHANGE(IDC_TRACE_FILE, OnFileNameChange)
  ON_CBN_SELCHANGE(IDC_LOG_UNIT, OnLogUnitChange)
  ON_CBN_SELCHANGE(IDC_TRACE_UNIT, OnTraceUnitChange)
END_MESSAGE_MAP()

CLogTraceView::CLogTraceView() : CFormTabView(IDD) {}

CLogTraceView::~CLogTraceView() = default;

CLogTraceRecord* CLogTraceView::Record(int group) const {
  CConnector* connector = GetConnector();
  if (connector == nullptr) return nullptr;
  return group == LOG ? &connector->m_log : &connector->m_trace;
}

// --- Filling and taking the values -------------------------------------------

void CLogTraceView::OnInitialUpdate() {
  m_bFilling = true;
  CFormTabView::OnInitialUpdate();
  for (GroupControls& group : m_groups) {
    if (group.m_unit.GetCount() == 0) {
      for (const char* name : UNIT_NAMES) group.m_unit.AddString(name);
    }
    group.m_sizeSpin.SetRange32(MIN_SIZE, MAX_SIZE);
    group.m_archivesSpin.SetRange32(MIN_ARCHIVES, MAX_ARCHIVES);
    group.m_unit.SetCurSel(UNIT_BYTES);
  }
  FillControls();
  // A record that writes no file and sets no size starts from the size its
  // unit starts from, so that turning the file on does not start from an
  // invalid 0. A size the file sets stays as it came.
  for (int group = 0; group < GROUP_COUNT; ++group) {
    const CLogTraceRecord* record = Record(group);
    if (record == nullptr || record->m_bToFile || record->m_nMaxSize != 0) continue;
    SetEditText(kGroupIds[group].size, StartingSizeText(m_groups[group].m_unit.GetCurSel()));
  }
}

void CLogTraceView::DoDataExchange(CDataExchange* pDX) {
  CFormTabView::DoDataExchange(pDX);
  for (int group = 0; group < GROUP_COUNT; ++group) {
    DDX_Control(pDX, kGroupIds[group].unit, m_groups[group].m_unit);
    DDX_Control(pDX, kGroupIds[group].sizeSpin, m_groups[group].m_sizeSpin);
    DDX_Control(pDX, kGroupIds[group].archivesSpin, m_groups[group].m_archivesSpin);
  }
  if (GetConnector() == nullptr) return;
  if (pDX->m_bSaveAndValidate) MarkModified();
  for (int group = 0; group < GROUP_COUNT; ++group) ExchangeGroup(pDX, group);
  ApplyEnabling();
}

void CLogTraceView::ExchangeGroup(CDataExchange* pDX, int group) {
  const GroupIds& ids = kGroupIds[group];
  CLogTraceRecord& record = *Record(group);
  DDX_Check(pDX, ids.toFile, record.m_bToFile);
  DDX_Check(pDX, ids.toConsole, record.m_bToStdout);
  DDX_Text(pDX, ids.file, record.m_strFileName);
  DDX_Text(pDX, ids.size, record.m_nMaxSize);
  CComboBox& unit = m_groups[group].m_unit;
  if (pDX->m_bSaveAndValidate) {
    // A unit the list does not know stays as the file had it.
    const int selected = unit.GetCurSel();
    if (selected >= 0 && selected < UNIT_COUNT) record.m_strSizeUnit = UNIT_NAMES[selected];
  } else {
    unit.SetCurSel(UnitOfName(record.m_strSizeUnit));
  }
  DDX_Check(pDX, ids.unlimited, record.m_bUnlimited);
  DDX_Text(pDX, ids.archives, record.m_nArchives);
}

void CLogTraceView::ApplyEnabling() {
  for (const GroupIds& ids : kGroupIds) {
    const BOOL toFile = IsDlgButtonChecked(ids.toFile) == BST_CHECKED;
    const BOOL sized = toFile && IsDlgButtonChecked(ids.unlimited) != BST_CHECKED;
    for (int id : {ids.file, ids.browse, ids.unlimited}) GetDlgItem(id)->EnableWindow(toFile);
    for (int id : {ids.size, ids.sizeSpin, ids.unit, ids.archives, ids.archivesSpin})
      GetDlgItem(id)->EnableWindow(sized);
  }
}

void CLogTraceView::MarkModified() { GetDocument()->SetModifiedFlag(TRUE); }

BOOL CLogTraceView::TakeValues() { return UpdateData(TRUE); }

bool CLogTraceView::ReadNumber(int id, int& value) const {
  CString text;
  GetDlgItemText(id, text);
  text.Trim();
  char* end = nullptr;
  const long number = std::strtol(text, &end, 10);
  if (text.IsEmpty() || *end != '\0' || number < INT_MIN || number > INT_MAX) return false;
  value = static_cast<int>(number);
  return true;
}

void CLogTraceView::SyncRecords() {
  if (m_bFilling || GetConnector() == nullptr) return;
  for (int group = 0; group < GROUP_COUNT; ++group) {
    const GroupIds& ids = kGroupIds[group];
    CLogTraceRecord& record = *Record(group);
    record.m_bToFile = IsDlgButtonChecked(ids.toFile) == BST_CHECKED;
    record.m_bToStdout = IsDlgButtonChecked(ids.toConsole) == BST_CHECKED;
    record.m_bUnlimited = IsDlgButtonChecked(ids.unlimited) == BST_CHECKED;
    GetDlgItemText(ids.file, record.m_strFileName);
    ReadNumber(ids.size, record.m_nMaxSize);
    ReadNumber(ids.archives, record.m_nArchives);
    const int unit = m_groups[group].m_unit.GetCurSel();
    if (unit >= 0 && unit < UNIT_COUNT) record.m_strSizeUnit = UNIT_NAMES[unit];
  }
  MarkModified();
  ApplyEnabling();
}

void CLogTraceView::SetEditText(int id, const CString& text) {
  const bool filling = m_bFilling;
  m_bFilling = true;
  SetDlgItemText(id, text);
  SendDlgItemMessage(id, EM_SETSEL, static_cast<WPARAM>(text.GetLength()), text.GetLength());
  m_bFilling = filling;
}

// --- Handlers ------------------------------------------------------------------

void CLogTraceView::OnLogBrowse() { BrowseFile(LOG); }
void CLogTraceView::OnTraceBrowse() { BrowseFile(TRACE); }

void CLogTraceView::BrowseFile(int group) {
  const GroupIds& ids = kGroupIds[group];
  const CString filter = LoadText(ids.filter);
  const CString title = LoadText(ids.title);
  CFileDialog dialog(FALSE, ids.defaultExtension, nullptr, OFN_HIDEREADONLY | OFN_SHOWHELP | OFN_PATHMUSTEXIST, filter,
                     this);
  dialog.m_ofn.lpstrTitle = title;
  if (dialog.DoModal() != IDOK) return;
  SetEditText(ids.file, dialog.GetPathName());
  SyncRecords();
}

void CLogTraceView::OnCheckBox() { SyncRecords(); }

void CLogTraceView::OnLogSizeSpin(NMHDR* pNMHDR, LRESULT* pResult) { StepSize(LOG, pNMHDR, pResult); }
void CLogTraceView::OnTraceSizeSpin(NMHDR* pNMHDR, LRESULT* pResult) { StepSize(TRACE, pNMHDR, pResult); }

void CLogTraceView::StepSize(int group, NMHDR* pNMHDR, LRESULT* pResult) {
  const auto* step = reinterpret_cast<const NMUPDOWN*>(pNMHDR);
  GroupControls& controls = m_groups[group];
  int unit = controls.m_unit.GetCurSel();
  const BOOL allowed = StepUnit(step->iPos, step->iDelta, unit);
  if (unit != controls.m_unit.GetCurSel()) controls.m_unit.SetCurSel(unit);
  controls.m_sizeSpin.SetRange32(MIN_SIZE, MAX_SIZE);
  *pResult = allowed ? 0 : 1;
}

void CLogTraceView::OnLogSizeChange() { SizeChanged(LOG); }
void CLogTraceView::OnTraceSizeChange() { SizeChanged(TRACE); }

void CLogTraceView::SizeChanged(int group) {
  if (m_bFilling) return;
  const int id = kGroupIds[group].size;
  CString text;
  GetDlgItemText(id, text);
  bool beep = false;
  if (CorrectSizeText(m_groups[group].m_unit.GetCurSel(), text, beep)) {
    if (beep) ::Beep(kBeepFrequency, kBeepDuration);
    SetEditText(id, text);
  }
  SyncRecords();
}

void CLogTraceView::OnLogArchivesChange() { ArchivesChanged(LOG); }
void CLogTraceView::OnTraceArchivesChange() { ArchivesChanged(TRACE); }

void CLogTraceView::ArchivesChanged(int group) {
  if (m_bFilling) return;
  const int id = kGroupIds[group].archives;
  CString text;
  GetDlgItemText(id, text);
  if (CutArchiveText(text)) SetEditText(id, text);
  SyncRecords();
}

void CLogTraceView::OnFileNameChange() { SyncRecords(); }

void CLogTraceView::OnLogUnitChange() { UnitChanged(LOG); }
void CLogTraceView::OnTraceUnitChange() { UnitChanged(TRACE); }

void CLogTraceView::UnitChanged(int group) {
  GroupControls& controls = m_groups[group];
  controls.m_sizeSpin.SetRange32(MIN_SIZE, MAX_SIZE);
  SetEditText(kGroupIds[group].size, StartingSizeText(controls.m_unit.GetCurSel()));
  SyncRecords();
}

// --- Saving ------------------------------------------------------------------------

BOOL CLogTraceView::AppendConfigText(CString& text) {
  const CConnector* connector = GetConnector();
  if (connector == nullptr) return TRUE;
  if (!TakeValues()) return FALSE;
  AddResultLine(LoadText(IDS_LOGTRACE_SAVING));
  CConfigFileText::AppendLogTrace(*connector, text);
  return TRUE;
}

BOOL CLogTraceView::ValidateGroup(int group, CString& fileName) {
  const CLogTraceRecord& record = *Record(group);
  fileName.Empty();
  if (!record.m_bToFile) return TRUE;
  BOOL valid = TRUE;
  // A size that is not above 0 has no meaning, whatever its sign.
  if (record.m_nMaxSize <= 0 && !record.m_bUnlimited) {
    AddResultLine(LoadText(kGroupIds[group].sizeZeroMessage));
    valid = FALSE;
  }
  fileName = record.m_strFileName;
  fileName.Trim();
  if (fileName.IsEmpty()) {
    AddResultLine(LoadText(kGroupIds[group].nameMissingMessage));
    valid = FALSE;
  }
  return valid;
}

BOOL CLogTraceView::Validate() {
  AddResultLine(LoadText(IDS_LOGTRACE_VALIDATING));
  if (GetConnector() == nullptr || !TakeValues()) return FALSE;
  CString logName;
  CString traceName;
  BOOL valid = ValidateGroup(LOG, logName);
  valid = ValidateGroup(TRACE, traceName) && valid;
  if (!logName.IsEmpty() && !traceName.IsEmpty() && !(logName == "STDOUT" && traceName == "STDOUT") &&
      logName.CompareNoCase(traceName) == 0) {
    AddResultLine(LoadText(IDS_LOGTRACE_SAME_FILE));
    valid = FALSE;
  }
  return valid;
}
