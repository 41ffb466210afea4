#include <gtest/gtest.h>

#include <cstring>

#include "afxcoll.h"
#include "test_classes.h"

IMPLEMENT_DYNAMIC(CShape, CObject)
IMPLEMENT_DYNCREATE(CCircle, CShape)
IMPLEMENT_SERIAL(CPoint3, CObject, 1)
IMPLEMENT_SERIAL(CVersioned, CObject, VERSIONABLE_SCHEMA | 2)
IMPLEMENT_SERIAL(CHolder, CObject, 1)
IMPLEMENT_SERIAL(CTopic, CObject, 1)
IMPLEMENT_SERIAL(CCounted, CObject, 1)
IMPLEMENT_SERIAL(CGroup, CObject, 1)

void CCounted::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << value;
  } else {
    ar >> value;
  }
}

void CGroup::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << kind;
  } else {
    ar >> kind;
  }
  if (kind == 0) list.Serialize(ar);
  if (kind == 1) array.Serialize(ar);
  if (kind == 2) map.Serialize(ar);
}

void CGroup::Add(WORD key, CObject* pOb) {
  list.AddTail(pOb);
  array.Add(pOb);
  map.SetAt(key, pOb);
}

INT_PTR CGroup::Count() const { return kind == 0 ? list.GetCount() : kind == 1 ? array.GetSize() : map.GetCount(); }

void CGroup::DeleteElements() {
  if (kind == 0) {
    while (!list.IsEmpty()) delete list.RemoveHead();
  } else if (kind == 1) {
    for (INT_PTR i = 0; i < array.GetSize(); ++i) delete array[i];
  } else {
    WORD key = 0;
    CObject* pOb = nullptr;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
      map.GetNextAssoc(pos, key, pOb);
      delete pOb;
    }
  }
}

void CTopic::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << title << sub << third << page;
  } else {
    ar >> title >> sub >> third >> page;
  }
}

void CPoint3::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << x << y << z;
  } else {
    ar >> x >> y >> z;
  }
}

void CVersioned::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << value;
  } else {
    loadedSchema = ar.GetObjectSchema();
    ar >> value;
  }
}

void CHolder::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << name << first << second;
  } else {
    ar >> name >> first >> second;
  }
}

namespace {

TEST(RuntimeClassTest, KindOfFollowsTheBaseChain) {
  CCircle circle;
  EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CCircle)));
  EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
  EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CPoint3)));
  EXPECT_STREQ(circle.GetRuntimeClass()->m_lpszClassName, "CCircle");
  EXPECT_EQ(RUNTIME_CLASS(CCircle)->GetBaseClass(), RUNTIME_CLASS(CShape));
  EXPECT_EQ(RUNTIME_CLASS(CCircle)->m_nObjectSize, static_cast<int>(sizeof(CCircle)));
  EXPECT_FALSE(circle.IsSerializable());
  EXPECT_TRUE(CPoint3().IsSerializable());
}

TEST(RuntimeClassTest, CreationByNameAndDowncasts) {
  CRuntimeClass* pClass = CRuntimeClass::FromName("CCircle");
  ASSERT_EQ(pClass, RUNTIME_CLASS(CCircle));
  CObject* pOb = pClass->CreateObject();
  ASSERT_NE(pOb, nullptr);
  EXPECT_NE(DYNAMIC_DOWNCAST(CShape, pOb), nullptr);
  EXPECT_EQ(DYNAMIC_DOWNCAST(CPoint3, pOb), nullptr);
  EXPECT_EQ(STATIC_DOWNCAST(CCircle, pOb), pOb);
  delete pOb;
  EXPECT_EQ(RUNTIME_CLASS(CShape)->CreateObject(), nullptr);
  EXPECT_EQ(CRuntimeClass::FromName("NoSuchClass"), nullptr);
  EXPECT_EQ(CRuntimeClass::FromName(nullptr), nullptr);
  EXPECT_EQ(CRuntimeClass::FromName("CStringList"), RUNTIME_CLASS(CStringList));
  EXPECT_EQ(CRuntimeClass::FromName("CFileException"), RUNTIME_CLASS(CFileException));
}

TEST(ExceptionTest, CatchMacrosFreeTheExceptionAndReturnItsCause) {
  int cause = -1;
  TRY { AfxThrowFileException(CFileException::sharingViolation, 11, "data.bin"); }
  CATCH(CMemoryException, e) { ADD_FAILURE() << "wrong handler"; }
  AND_CATCH(CFileException, e) {
    cause = e->m_cause;
    e->Delete();  // left to END_CATCH, so no double free
  }
  END_CATCH
  EXPECT_EQ(cause, CFileException::sharingViolation);
}

TEST(ExceptionTest, ThrowLastPassesTheSameExceptionOn) {
  CException* seen = nullptr;
  try {
    TRY { AfxThrowArchiveException(CArchiveException::badClass); }
    CATCH_ALL(e) {
      seen = e;
      THROW_LAST();
    }
    END_CATCH_ALL
  } catch (CArchiveException* e) {
    EXPECT_EQ(e, seen);
    EXPECT_EQ(e->m_cause, CArchiveException::badClass);
    e->Delete();
  }
  EXPECT_NE(seen, nullptr);
}

TEST(ExceptionTest, ThrowInsideCatchHandsOverOwnership) {
  try {
    TRY { AfxThrowUserException(); }
    CATCH(CUserException, e) { THROW(e); }
    END_CATCH
  } catch (CUserException* e) {
    EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CException)));
    e->Delete();
  }
}

std::string Message(const CException& e) {
  char text[256];
  e.GetErrorMessage(text, sizeof text);
  return text;
}

TEST(ExceptionTest, StandardMessagesNameTheFile) {
  EXPECT_EQ(Message(CFileException(CFileException::fileNotFound, ENOENT, "a.txt")), "a.txt was not found.");
  EXPECT_EQ(Message(CFileException(CFileException::sharingViolation, 0, "b")),
            "A sharing violation occurred while accessing b.");
  EXPECT_EQ(Message(CFileException(CFileException::accessDenied)), "Access to an unnamed file was denied.");
  EXPECT_EQ(Message(CArchiveException(CArchiveException::badSchema, "h.data")), "h.data contains an incorrect schema.");
  EXPECT_EQ(Message(CMemoryException()), "Out of memory.");
  char tiny[6];
  EXPECT_TRUE(CFileException(CFileException::diskFull, 0, "x").GetErrorMessage(tiny, sizeof tiny));
  EXPECT_STREQ(tiny, "Disk ");
  char none[8] = "junk";
  EXPECT_FALSE(CUserException().GetErrorMessage(none, sizeof none));
  EXPECT_STREQ(none, "");
}

TEST(ExceptionTest, ErrnoMapsToStandardCauses) {
  EXPECT_EQ(CFileException::OsErrorToException(ENOENT), CFileException::fileNotFound);
  EXPECT_EQ(CFileException::OsErrorToException(EACCES), CFileException::accessDenied);
  EXPECT_EQ(CFileException::OsErrorToException(ENOTDIR), CFileException::badPath);
  EXPECT_EQ(CFileException::OsErrorToException(ENOSPC), CFileException::diskFull);
  EXPECT_EQ(CFileException::OsErrorToException(EMFILE), CFileException::tooManyOpenFiles);
  EXPECT_EQ(CFileException::OsErrorToException(EXDEV), CFileException::genericException);
}

int g_reportedType = -1;
std::string g_reportedText;

int RecordReport(LPCTSTR text, UINT nType) {
  g_reportedText = text;
  g_reportedType = static_cast<int>(nType);
  return 1;
}

TEST(ExceptionTest, ReportErrorGoesThroughTheHook) {
  const AFX_REPORT_ERROR_HOOK previous = AfxSetReportErrorHook(RecordReport);
  EXPECT_EQ(CFileException(CFileException::fileNotFound, ENOENT, "z").ReportError(0x10), 1);
  EXPECT_EQ(g_reportedText, "z was not found.");
  EXPECT_EQ(g_reportedType, 0x10);
  CUserException().ReportError();
  EXPECT_EQ(g_reportedText, "No error message is available.");
  AfxSetReportErrorHook(previous);
}

}  // namespace
