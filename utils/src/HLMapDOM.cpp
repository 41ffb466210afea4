// Map documents: named texts as children of the root.
#include "HLDOMDoc.h"

using namespace xercesc;

namespace {
constexpr const char* kEntry = "Entry";
constexpr const char* kName = "Name";
}  // namespace

DOMElement* CHLMapDOMDocBase::FindEntry(LPCTSTR name) const {
  if (!name) return nullptr;
  for (DOMElement* entry = FirstChildElement(GetRootElement(), kEntry); entry;
       entry = NextSiblingElement(entry, kEntry)) {
    if (GetAttribString(entry, kName) == name) return entry;
  }
  return nullptr;
}

BOOL CHLMapDOMDocBase::GetValue(LPCTSTR name, CString& value) const {
  DOMElement* entry = FindEntry(name);
  if (!entry) return FALSE;
  value = GetNodeText(entry);
  return TRUE;
}

BOOL CHLMapDOMDocBase::SetValue(LPCTSTR name, LPCTSTR value) {
  if (!name || !*name || !GetRootElement()) return FALSE;
  DOMElement* entry = FindEntry(name);
  if (!entry) {
    entry = AddElement(nullptr, kEntry);
    if (!entry || !SetAttribString(entry, kName, name)) return FALSE;
  }
  entry->setTextContent(CStringToDOMString(value).c_str());
  SetModified();
  return TRUE;
}

BOOL CHLMapDOMDocBase::RemoveValue(LPCTSTR name) {
  DOMElement* entry = FindEntry(name);
  if (!entry) return FALSE;
  entry->getParentNode()->removeChild(entry)->release();
  SetModified();
  return TRUE;
}

void CHLMapDOMDocBase::GetNames(CStringArray& names) const {
  names.RemoveAll();
  for (DOMElement* entry = FirstChildElement(GetRootElement(), kEntry); entry;
       entry = NextSiblingElement(entry, kEntry)) {
    names.Add(GetAttribString(entry, kName));
  }
}

CHLMapDOM::CHLMapDOM(LPCTSTR rootName) { Create(rootName); }
