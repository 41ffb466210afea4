// Classes with run-time information shared by the object and archive tests.
#pragma once

#include "afx.h"
#include "afxcoll.h"

class CShape : public CObject {
  DECLARE_DYNAMIC(CShape)
};

class CCircle : public CShape {
  DECLARE_DYNCREATE(CCircle)
};

class CPoint3 : public CObject {
  DECLARE_SERIAL(CPoint3)

 public:
  void Serialize(CArchive& ar) override;
  LONG x = 0;
  WORD y = 0;
  BYTE z = 0;
};

class CVersioned : public CObject {
  DECLARE_SERIAL(CVersioned)

 public:
  void Serialize(CArchive& ar) override;
  int value = 0;
  UINT loadedSchema = 0;
};

// Holds two objects, possibly the same one twice; it owns what it loaded.
class CHolder : public CObject {
  DECLARE_SERIAL(CHolder)

 public:
  ~CHolder() override {
    if (owns) {
      delete first;
      if (second != first) delete second;
    }
  }
  void Serialize(CArchive& ar) override;
  CString name;
  CObject* first = nullptr;
  CObject* second = nullptr;
  bool owns = true;
};

// A help topic as the help data file keeps it: four texts.
class CTopic : public CObject {
  DECLARE_SERIAL(CTopic)

 public:
  CTopic() = default;
  CTopic(const char* title, const char* sub, const char* third, const char* page)
      : title(title), sub(sub), third(third), page(page) {}
  void Serialize(CArchive& ar) override;
  CString title, sub, third, page;
};

// Counts its live instances, so tests can tell what a failed load freed.
class CCounted : public CObject {
  DECLARE_SERIAL(CCounted)

 public:
  CCounted() { ++live; }
  ~CCounted() override { --live; }
  void Serialize(CArchive& ar) override;
  static inline int live = 0;
  int value = 0;
};

// Refers to objects through one collection (a list, an array or a map,
// after `kind`) without owning them.
class CGroup : public CObject {
  DECLARE_SERIAL(CGroup)

 public:
  void Serialize(CArchive& ar) override;
  void Add(WORD key, CObject* pOb);
  INT_PTR Count() const;
  void DeleteElements();
  int kind = 0;

 private:
  CObList list;
  CObArray array;
  CMapWordToOb map;
};
