#include "mfc/object.h"

#include <cstring>
#include <mutex>

#include "mfc/archive.h"
#include "mfc/exception.h"

CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), 0xFFFF, nullptr, nullptr, nullptr};
static const AFX_CLASSINIT _init_CObject(&CObject::classCObject);

namespace {

// The registry is a chain through the class records themselves: it needs no
// construction or destruction, so modules may enter and leave it at any
// point of their load and unload.
constinit std::mutex g_registryMutex;
constinit CRuntimeClass* g_firstClass = nullptr;

// Longest class name an archive may name, as in the classic library.
constexpr WORD kMaxClassName = 63;

}  // namespace

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass) : m_pClass(pNewClass) {
  const std::lock_guard lock(g_registryMutex);
  m_pClass->m_pNextClass = g_firstClass;
  g_firstClass = m_pClass;
}

AFX_CLASSINIT::~AFX_CLASSINIT() {
  const std::lock_guard lock(g_registryMutex);
  for (CRuntimeClass** link = &g_firstClass; *link != nullptr; link = &(*link)->m_pNextClass) {
    if (*link == m_pClass) {
      *link = m_pClass->m_pNextClass;
      m_pClass->m_pNextClass = nullptr;
      return;
    }
  }
}

CObject* CRuntimeClass::CreateObject() const {
  if (m_pfnCreateObject == nullptr) {
    TRACE("Error: cannot create an object of the non-creatable class %s\n", m_lpszClassName);
    return nullptr;
  }
  try {
    return m_pfnCreateObject();
  } catch (CException* e) {
    e->Delete();
    return nullptr;
  }
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
  for (const CRuntimeClass* p = this; p != nullptr; p = p->m_pBaseClass) {
    if (p == pBaseClass) return TRUE;
  }
  return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName) {
  if (lpszClassName == nullptr) return nullptr;
  const std::lock_guard lock(g_registryMutex);
  for (CRuntimeClass* p = g_firstClass; p != nullptr; p = p->m_pNextClass) {
    if (std::strcmp(p->m_lpszClassName, lpszClassName) == 0) return p;
  }
  return nullptr;
}

CObject* CRuntimeClass::CreateObject(LPCSTR lpszClassName) {
  const CRuntimeClass* pClass = FromName(lpszClassName);
  return pClass != nullptr ? pClass->CreateObject() : nullptr;
}

void CRuntimeClass::Store(CArchive& ar) const {
  const WORD nLen = static_cast<WORD>(std::strlen(m_lpszClassName));
  ar << static_cast<WORD>(m_wSchema) << nLen;
  ar.Write(m_lpszClassName, nLen);
}

CRuntimeClass* CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum) {
  WORD wSchema = 0;
  WORD nLen = 0;
  ar >> wSchema >> nLen;
  char szClassName[kMaxClassName + 1];
  if (nLen > kMaxClassName || ar.Read(szClassName, nLen) < nLen) return nullptr;
  szClassName[nLen] = '\0';
  if (pwSchemaNum != nullptr) *pwSchemaNum = wSchema;
  return FromName(szClassName);
}

CRuntimeClass* CObject::GetRuntimeClass() const { return RUNTIME_CLASS(CObject); }

BOOL CObject::IsSerializable() const { return GetRuntimeClass()->m_wSchema != 0xFFFF; }

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const { return GetRuntimeClass()->IsDerivedFrom(pClass); }

void CObject::Serialize(CArchive&) {}

void CObject::AssertValid() const {}

void CObject::Dump(CDumpContext& dc) const {
  dc << "a " << GetRuntimeClass()->m_lpszClassName << " at " << static_cast<const void*>(this) << "\n";
}

CObject* AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject) {
  return (pObject != nullptr && pObject->IsKindOf(pClass)) ? pObject : nullptr;
}

CObject* AfxStaticDownCast(CRuntimeClass* pClass, CObject* pObject) {
  ASSERT(pObject == nullptr || pObject->IsKindOf(pClass));
  return pObject;
}
