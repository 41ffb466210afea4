// The application object's validation of definitions and their saving to
// the server: every definition a definition uses is checked with it, and
// saved before it.
#include <Constants.h>
#include <UtilFunc.h>
#include <afxdisp.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <unordered_map>
#include <vector>

#include "MainFrame.h"
#include "NameKey.h"
#include "OrvexApp.h"

namespace {

constexpr int kMaxNameLength = 80;
constexpr long long kLargestMaxLength = 2147483647;
constexpr int kFirstLine = 0;  // the results pane's modes
constexpr int kNextLine = 2;

CString Quoted(const CString& text) { return "\"" + text + "\""; }

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

// Whether the whole text reads as one number through `read` (a strtol or
// strtod): blanks and tabs around it, nothing else; a 0 that does not
// start with "0" means nothing was read.
template <class Read>
bool ReadsAsNumber(const CString& text, Read read) {
  const char* start = text;
  while (IsBlankOrTab(*start)) ++start;
  char* end = nullptr;
  const auto value = read(start, &end);
  if (value == 0 && *start != '0') return false;
  while (IsBlankOrTab(*end)) ++end;
  return *end == '\0';
}

bool IsInteger(const CString& text) {
  return ReadsAsNumber(text, [](const char* s, char** e) { return std::strtol(s, e, 10); });
}

bool IsReal(const CString& text) {
  return ReadsAsNumber(text, [](const char* s, char** e) { return std::strtod(s, e); });
}

bool IsDate(const CString& text) {
  COleDateTime date;
  return date.ParseDateTime(text, 0, LANG_USER_DEFAULT);
}

// The maximum-length text as the server reads it: its leading number,
// empty as 0.
long long MaxLengthValue(const CString& text) { return std::strtoll(text, nullptr, 10); }

// How many attributes carry each name, ignoring case.
std::unordered_map<std::string, int> CountNames(const CBODefAttrArray& attrs) {
  std::unordered_map<std::string, int> counts;
  for (INT_PTR i = 0; i < attrs.GetSize(); ++i) ++counts[NameKey(attrs[i]->GetName())];
  return counts;
}

bool HasVerbNamesakes(const CBODefVerbArray& verbs) {
  std::unordered_map<std::string, int> counts;
  for (INT_PTR i = 0; i < verbs.GetSize(); ++i) {
    if (++counts[NameKey(verbs[i]->GetName())] > 1) return true;
  }
  return false;
}

// The definition an attribute uses, when it is at hand: only definitions
// at hand carry marks.
CQRBusObjDef* HeldReferred(const CBODefAttr& attr) {
  if (attr.IsSimpleType()) return nullptr;
  if (CQRBusObjDef* pContained = attr.GetContainedDef()) return pContained;
  return CDataManager::InitInstance()->GetBO(attr.GetTypeName(), 0, 0);
}

}  // namespace

// --- Results ------------------------------------------------------------------------------

void COrvexApp::WriteResult(const CString& line, int mode) const {
  if (CMainFrame* pFrame = GetMainFrame()) pFrame->AppendResult(line, mode);
}

void COrvexApp::ReportValidationError(const CString& line) {
  ++m_nErrorCount;
  m_arrValidationErrors.Add(line);
  WriteResult(line, kNextLine);
}

// --- Saving ---------------------------------------------------------------------------------

BOOL COrvexApp::SaveToServer(CQRBusObjDef* pDef) {
  CMainFrame* pFrame = GetMainFrame();
  if (pDef == nullptr || pFrame == nullptr) return FALSE;
  pFrame->ShowResults(TRUE);
  pFrame->AppendResult("Validating...", kNextLine);
  return ValidateAndSaveBODef(pDef);
}

BOOL COrvexApp::ValidateAndSaveBODef(CQRBusObjDef* pDef) {
  if (pDef == nullptr) return FALSE;
  const CString name = pDef->name(0);
  // The log-in runs before anything of this run is under way: connecting
  // merges the definitions open without a server, and may save some.
  if ((!m_bConnected || m_pServer == nullptr) && !OnServerConnect()) {
    WriteResult("Save cannot be completed for " + name, kNextLine);
    return FALSE;
  }
  if (!CheckBODef(pDef, kNormalValidation)) {
    CString line;
    line.Format("Validation Errors : %d", m_nErrorCount);
    WriteResult(line, kNextLine);
    return FALSE;
  }
  const BOOL saved = SaveBODefRecursive(pDef);
  m_mapVisited.RemoveAll();
  return saved;
}

BOOL COrvexApp::SaveBODefRecursive(CQRBusObjDef* pDef) {
  const CString name = pDef->name(0);
  void* known = nullptr;
  if (m_mapVisited.Lookup(name, known)) return TRUE;
  m_mapVisited.SetAt(name, pDef);
  CDataManager* pDM = CDataManager::InitInstance();
  // The names first: a save on the way may change the attribute array.
  std::vector<CString> used;
  for (INT_PTR i = 0; i < pDef->GetAttrs().GetSize(); ++i) {
    const CBODefAttr* pAttr = pDef->GetAttrs()[i];
    if (!pAttr->IsSimpleType()) used.push_back(pAttr->GetTypeName());
  }
  for (const CString& type : used) {
    CQRBusObjDef* pUsed = pDM->GetBO(type, 1, 1);
    if (pUsed != nullptr && !SaveBODefRecursive(pUsed)) return FALSE;
  }
  MoveObjectEventIdLast(*pDef);
  pDef->SetServer(m_pServer);
  if (pDef->Save() == 0) {
    WriteResult("Save cannot be completed for " + name, kNextLine);
    return FALSE;
  }
  WriteResult("Save completed for " + name, kNextLine);
  return TRUE;
}

// --- Validation -----------------------------------------------------------------------------

BOOL COrvexApp::CheckBODef(CQRBusObjDef* pDef, int nMode) {
  m_nErrorCount = 0;
  m_arrValidationErrors.RemoveAll();
  m_mapVisited.RemoveAll();
  const BOOL ok = ValidateBODef(pDef, nMode);
  m_mapVisited.RemoveAll();
  ClearVisitedMarks(pDef);
  return ok;
}

BOOL COrvexApp::ValidateBODef(CQRBusObjDef* pDef, int nMode) {
  const CString name = pDef->name(0);
  pDef->AddState(HvStateVisited);
  m_mapVisited.SetAt(name, pDef);
  WriteResult("Validating \"" + name + "...\"", kFirstLine);
  BOOL ok = ValidateVerbs(*pDef);
  BOOL hasKey = FALSE;
  const std::unordered_map<std::string, int> nameCounts = CountNames(pDef->GetAttrs());
  for (INT_PTR i = 0; i < pDef->GetAttrs().GetSize(); ++i) {
    CBODefAttr& attr = *pDef->GetAttrs()[i];
    if (attr.IsKey()) hasKey = TRUE;
    if (nameCounts.at(NameKey(attr.GetName())) > 1) {
      ReportValidationError("Error: Multiple attributes have the same name " + Quoted(attr.GetName()));
      ok = FALSE;
    }
    if (!ValidateAttribute(*pDef, attr, nMode)) ok = FALSE;
    if (!ValidateReferred(attr, nMode)) ok = FALSE;
    m_mapVisited.RemoveKey(attr.GetTypeName());
  }
  if (!hasKey) {
    ReportValidationError("Error: There are no key attributes in the business object " + Quoted(name));
    return FALSE;
  }
  return ok;
}

BOOL COrvexApp::ValidateVerbs(const CQRBusObjDef& def) {
  const int errorsBefore = m_nErrorCount;
  const CBODefVerbArray& verbs = def.GetVerbs();
  for (INT_PTR i = 0; i < verbs.GetSize(); ++i) {
    const CString& verb = verbs[i]->GetName();
    if (verb.IsEmpty()) {
      ReportValidationError("Error: The verb name is empty");
      continue;
    }
    if (!CUtilFunc::ValidateName(HvObjBusObj, verb, FALSE, nullptr))
      ReportValidationError("Error: The verb name " + Quoted(verb) + " contains invalid characters");
    if (verb.GetLength() > kMaxNameLength)
      ReportValidationError("Error: The verb name " + Quoted(verb) + " cannot be longer than 80 characters");
  }
  if (verbs.IsEmpty())
    ReportValidationError("Error: Business object " + Quoted(def.name(0)) + " must have at least 1 verb");
  if (HasVerbNamesakes(verbs)) ReportValidationError("Error: Multiple verbs have the same name");
  return m_nErrorCount == errorsBefore;
}

BOOL COrvexApp::ValidateAttribute(CQRBusObjDef& def, CBODefAttr& attr, int nMode) {
  const int errorsBefore = m_nErrorCount;
  const CString& name = attr.GetName();
  const CString quoted = Quoted(name);
  if (name.IsEmpty()) ReportValidationError("Error: The attribute name is empty");
  if (nMode == kSchemaValidation) {
    if (CUtilFunc::IsValidXmlName(name)) {
      // The name is the argument, never part of the format.
      const CString format = "Error: " + g_impExpErrors.GetMessage(18) +
                             ". You can export this definition in repository copy format, but not in XSD";
      CString line;
      line.Format(format, static_cast<LPCTSTR>(name));
      ReportValidationError(line);
    }
  } else if (!CUtilFunc::ValidateBOAttribute(name, FALSE, nullptr)) {
    ReportValidationError("Error: The attribute name " + quoted + " contains invalid characters");
  }
  if (!attr.IsSimpleType() && attr.GetCardinality().IsEmpty())
    ReportValidationError("Error: The cardinality of attribute " + quoted + " is not specified");
  if (name.GetLength() > kMaxNameLength)
    ReportValidationError("Error: The attribute name " + quoted + " cannot be longer than 80 characters");
  // The grid leaves the maximum length empty where the type has none.
  if (attr.IsSimpleType() && name != CBODefAttr::ATTR_OBJECT_EVENT_ID && !attr.GetMaxLength().IsEmpty() &&
      !CUtilFunc::is_all_digits(attr.GetMaxLength()))
    ReportValidationError("Error: The maximum length of attribute " + quoted + " can only have numeric values");
  const long long maxLength = MaxLengthValue(attr.GetMaxLength());
  if (maxLength < 0 || maxLength > kLargestMaxLength)
    ReportValidationError("Error: The maximum length of attribute \"" + name +
                          " should be greater than or equal to 0 and less than 2147483647");
  // An empty default exceeds nothing, not even a negative length.
  if (!attr.GetDefaultValue().IsEmpty() && attr.GetDefaultValue().GetLength() > maxLength &&
      attr.GetTypeName() == "String") {
    CString adjusted;
    adjusted.Format("%d", attr.GetDefaultValue().GetLength() + 1);
    attr.SetMaxLength(adjusted);
    // A changed definition is one to save, and one the close asks about.
    def.AddState(HvStateModified);
    WriteResult("Warning: The length of the default value of attribute " + quoted +
                    " exceeds the maximum length specified for it. Adjusted.",
                kNextLine);
  }
  CheckDefaultValue(attr);
  if (attr.GetTypeName().IsEmpty()) ReportValidationError("Error: Type for attribute " + quoted + " is not specified");
  return m_nErrorCount == errorsBefore;
}

void COrvexApp::CheckDefaultValue(const CBODefAttr& attr) const {
  const CString& type = attr.GetTypeName();
  CString value = attr.GetDefaultValue();
  value.Trim();
  CString expected;
  if (type.Find("Boolean") >= 0) {
    if (!value.IsEmpty() && value != "true" && value != "false") expected = "Boolean";
  } else if (!attr.GetDefaultValue().IsEmpty() && !value.IsEmpty()) {
    if (type.Find("Integer") >= 0) {
      if (!IsInteger(value)) expected = type;
    } else if (type.Find("Float") >= 0 || type.Find("Double") >= 0) {
      if (!IsReal(value)) expected = type;
    } else if (type.Find("Date") >= 0) {
      if (!IsDate(value)) expected = "Date";
    }
  }
  if (!expected.IsEmpty())
    WriteResult(
        "Warning: Default value of attribute " + Quoted(attr.GetName()) + " may not be of the type " + Quoted(expected),
        kNextLine);
}

BOOL COrvexApp::ValidateReferred(const CBODefAttr& attr, int nMode) {
  if (attr.IsSimpleType()) return TRUE;
  void* onChain = nullptr;
  if (m_mapVisited.Lookup(attr.GetTypeName(), onChain)) return TRUE;
  CQRBusObjDef* pUsed = CDataManager::InitInstance()->GetBO(attr.GetTypeName(), 1, 1);
  if (pUsed == nullptr || (pUsed->GetState() & HvStateVisited) != 0) return TRUE;
  return ValidateBODef(pUsed, nMode);
}

// --- State marks and the event id ------------------------------------------------------------

void COrvexApp::ClearStateBits(const CBODefArray& defs, DWORD bit) {
  const auto mark = static_cast<int>(bit);
  std::vector<CQRBusObjDef*> cleared;
  for (INT_PTR i = 0; i < defs.GetSize(); ++i) {
    if (defs[i] == nullptr) continue;
    defs[i]->RemoveState(mark);
    cleared.push_back(defs[i]);
  }
  // A definition is cleared before the ones it uses are looked at, and only
  // one that still carries the mark is walked: every cycle ends. The walk
  // keeps its own list, so a chain of any length needs no deep stack.
  while (!cleared.empty()) {
    const CQRBusObjDef* pDef = cleared.back();
    cleared.pop_back();
    for (INT_PTR i = 0; i < pDef->GetAttrs().GetSize(); ++i) {
      CQRBusObjDef* pUsed = HeldReferred(*pDef->GetAttrs()[i]);
      if (pUsed == nullptr || (pUsed->GetState() & mark) == 0) continue;
      pUsed->RemoveState(mark);
      cleared.push_back(pUsed);
    }
  }
}

void COrvexApp::ClearVisitedMarks(CQRBusObjDef* pDef) {
  CBODefArray defs;
  defs.Add(pDef);
  ClearStateBits(defs, HvStateVisited);
}

void COrvexApp::MoveObjectEventIdLast(CQRBusObjDef& def) {
  CBODefAttrArray& attrs = def.GetAttrs();
  const auto count = static_cast<int>(attrs.GetSize());
  for (int i = 0; i < count; ++i) {
    CBODefAttr* pEventId = attrs[i];
    if (pEventId->GetName() != CBODefAttr::ATTR_OBJECT_EVENT_ID) continue;
    const int oldPosition = pEventId->GetPosition();
    if (oldPosition == count) return;
    for (int j = 0; j < count; ++j) {
      if (attrs[j]->GetPosition() > oldPosition) attrs[j]->SetPosition(attrs[j]->GetPosition() - 1);
    }
    pEventId->SetPosition(count);
    attrs.RemoveAt(i);
    attrs.Add(pEventId);
    return;
  }
}
