// The non-template collections, built on the templates with the classic
// element types and each with its own run-time class. Those the classic
// library serialises store their elements in its layout: a count, then the
// elements (strings with their length prefix, objects with class tags).
#pragma once

#include "afx.h"
#include "mfc/array.h"
#include "mfc/list.h"
#include "mfc/map.h"

#define AFX_DECLARE_COLLECTION(class_name, declare, ...) \
  class class_name : public __VA_ARGS__ {                \
    using Base = __VA_ARGS__;                            \
    declare(class_name)                                  \
                                                         \
        public : using Base::Base;                       \
  }

// Collections of CObject pointers store the objects, not the pointers.
#define AFX_DECLARE_OBJECT_COLLECTION(class_name, ...) \
  class class_name : public __VA_ARGS__ {              \
    using Base = __VA_ARGS__;                          \
    DECLARE_SERIAL(class_name)                         \
                                                       \
   public:                                             \
    using Base::Base;                                  \
    void Serialize(CArchive& ar) override;             \
  }

AFX_DECLARE_COLLECTION(CByteArray, DECLARE_SERIAL, CArray<BYTE, BYTE>);
AFX_DECLARE_COLLECTION(CWordArray, DECLARE_SERIAL, CArray<WORD, WORD>);
AFX_DECLARE_COLLECTION(CDWordArray, DECLARE_SERIAL, CArray<DWORD, DWORD>);
AFX_DECLARE_COLLECTION(CUIntArray, DECLARE_DYNAMIC, CArray<UINT, UINT>);
AFX_DECLARE_COLLECTION(CPtrArray, DECLARE_DYNAMIC, CArray<void*, void*>);
AFX_DECLARE_COLLECTION(CStringArray, DECLARE_SERIAL, CArray<CString, const CString&>);
AFX_DECLARE_OBJECT_COLLECTION(CObArray, CArray<CObject*, CObject*>);

AFX_DECLARE_COLLECTION(CPtrList, DECLARE_DYNAMIC, CList<void*, void*>);
AFX_DECLARE_COLLECTION(CStringList, DECLARE_SERIAL, CList<CString, const CString&>);
AFX_DECLARE_OBJECT_COLLECTION(CObList, CList<CObject*, CObject*>);

AFX_DECLARE_COLLECTION(CMapStringToPtr, DECLARE_DYNAMIC, CMap<CString, LPCTSTR, void*, void*>);
AFX_DECLARE_COLLECTION(CMapStringToString, DECLARE_SERIAL, CMap<CString, LPCTSTR, CString, LPCTSTR>);
AFX_DECLARE_OBJECT_COLLECTION(CMapStringToOb, CMap<CString, LPCTSTR, CObject*, CObject*>);
AFX_DECLARE_COLLECTION(CMapPtrToPtr, DECLARE_DYNAMIC, CMap<void*, void*, void*, void*>);
AFX_DECLARE_COLLECTION(CMapPtrToWord, DECLARE_DYNAMIC, CMap<void*, void*, WORD, WORD>);
AFX_DECLARE_COLLECTION(CMapWordToPtr, DECLARE_DYNAMIC, CMap<WORD, WORD, void*, void*>);
AFX_DECLARE_OBJECT_COLLECTION(CMapWordToOb, CMap<WORD, WORD, CObject*, CObject*>);
