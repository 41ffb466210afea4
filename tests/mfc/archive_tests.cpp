#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "afxcoll.h"
#include "test_classes.h"

namespace {

using Bytes = std::vector<BYTE>;

Bytes Store(const std::function<void(CArchive&)>& write) {
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    write(ar);
    ar.Close();
  }
  Bytes bytes(static_cast<size_t>(file.GetLength()));
  file.SeekToBegin();
  file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
  return bytes;
}

void Load(const Bytes& bytes, const std::function<void(CArchive&)>& read) {
  CMemFile file;
  file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
  file.SeekToBegin();
  CArchive ar(&file, CArchive::load);
  read(ar);
}

// The cause of the CArchiveException a load throws, or -1 when it succeeds.
int LoadFailure(const Bytes& bytes, const std::function<void(CArchive&)>& read) {
  try {
    Load(bytes, read);
  } catch (CArchiveException* e) {
    const int cause = e->m_cause;
    e->Delete();
    return cause;
  }
  return -1;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

TEST(CArchiveTest, ScalarsAreLittleEndianWithClassicSizes) {
  const Bytes bytes = Store([](CArchive& ar) {
    ar << static_cast<BYTE>(0x12) << static_cast<WORD>(0x3456) << static_cast<LONG>(-2)
       << static_cast<DWORD>(0x89ABCDEF) << 7 << 1.0f << 1.0 << static_cast<LONGLONG>(0x0102030405060708) << true;
  });
  const Bytes expected = {0x12, 0x56, 0x34, 0xFE, 0xFF, 0xFF, 0xFF, 0xEF, 0xCD, 0xAB, 0x89, 0x07,
                          0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0x3F, 0,    0,    0,    0,    0,
                          0,    0xF0, 0x3F, 0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01, 0x01};
  EXPECT_EQ(bytes, expected);
  Load(bytes, [](CArchive& ar) {
    BYTE by;
    WORD w;
    LONG l;
    DWORD dw;
    int i;
    float f;
    double d;
    LONGLONG ll;
    bool b;
    ar >> by >> w >> l >> dw >> i >> f >> d >> ll >> b;
    EXPECT_EQ(by, 0x12);
    EXPECT_EQ(w, 0x3456);
    EXPECT_EQ(l, -2);
    EXPECT_EQ(dw, 0x89ABCDEFu);
    EXPECT_EQ(i, 7);
    EXPECT_EQ(f, 1.0f);
    EXPECT_EQ(d, 1.0);
    EXPECT_EQ(ll, 0x0102030405060708);
    EXPECT_TRUE(b);
  });
}

struct StringCase {
  int length;
  Bytes prefix;
};

TEST(CArchiveTest, StringLengthPrefixesAtEveryThreshold) {
  const StringCase cases[] = {
      {0, {0x00}},
      {254, {0xFE}},
      {255, {0xFF, 0xFF, 0x00}},
      {65533, {0xFF, 0xFD, 0xFF}},
      // 0xFFFE is the mark of 16-bit characters, so this length takes a DWORD.
      {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
      {65535, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
  };
  for (const StringCase& c : cases) {
    const CString text('s', c.length);
    const Bytes bytes = Store([&](CArchive& ar) { ar << text; });
    EXPECT_EQ(bytes, Concat({c.prefix, Bytes(static_cast<size_t>(c.length), 's')})) << c.length;
    Load(bytes, [&](CArchive& ar) {
      CString back("old");
      ar >> back;
      EXPECT_EQ(back, text) << c.length;
      EXPECT_TRUE(ar.IsBufferEmpty());
    });
  }
}

TEST(CArchiveTest, WideStringsOfClassicWritersReadAsText) {
  struct WideCase {
    Bytes bytes;
    const char* text;
  };
  const WideCase cases[] = {
      // "a", e acute, euro sign, G clef (a surrogate pair).
      {{0xFF, 0xFE, 0xFF, 0x05, 'a', 0x00, 0xE9, 0x00, 0xAC, 0x20, 0x34, 0xD8, 0x1E, 0xDD},
       "a\xc3\xa9\xe2\x82\xac\xf0\x9d\x84\x9e"},
      {{0xFF, 0xFE, 0xFF, 0x00}, ""},
      // A lone surrogate becomes the replacement character.
      {{0xFF, 0xFE, 0xFF, 0x02, 0x00, 0xDC, 'b', 0x00},
       "\xef\xbf\xbd"
       "b"},
      // The length after the mark takes the longer forms too.
      {{0xFF, 0xFE, 0xFF, 0xFF, 0x01, 0x00, 'z', 0x00}, "z"},
  };
  for (const WideCase& c : cases) {
    Load(c.bytes, [&](CArchive& ar) {
      CString back;
      ar >> back;
      EXPECT_EQ(back, c.text);
      EXPECT_TRUE(ar.IsBufferEmpty());
    });
  }
  CString text;
  EXPECT_EQ(LoadFailure({0xFF, 0xFE, 0xFF, 0x02, 'a', 0x00, 'b'}, [&](CArchive& ar) { ar >> text; }),
            CArchiveException::endOfFile);
  EXPECT_EQ(LoadFailure({0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0x00}, [&](CArchive& ar) { ar >> text; }),
            CArchiveException::badIndex)
      << "the mark comes once";
  const Bytes longText = Concat({{0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}, Bytes(65534, 'x')});
  Load(longText, [&](CArchive& ar) {
    ar >> text;
    EXPECT_EQ(text.GetLength(), 65534);
  });
}

TEST(CArchiveTest, CountsUseWordThenDword) {
  EXPECT_EQ(Store([](CArchive& ar) { ar.WriteCount(5); }), (Bytes{0x05, 0x00}));
  EXPECT_EQ(Store([](CArchive& ar) { ar.WriteCount(0xFFFE); }), (Bytes{0xFE, 0xFF}));
  const Bytes big = Store([](CArchive& ar) { ar.WriteCount(0xFFFF); });
  EXPECT_EQ(big, (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}));
  Load(big, [](CArchive& ar) { EXPECT_EQ(ar.ReadCount(), 0xFFFFu); });
}

Bytes PointBytes(LONG x, WORD y, BYTE z) {
  return {static_cast<BYTE>(x),
          static_cast<BYTE>(x >> 8),
          static_cast<BYTE>(x >> 16),
          static_cast<BYTE>(x >> 24),
          static_cast<BYTE>(y),
          static_cast<BYTE>(y >> 8),
          z};
}

const Bytes kPointClass = Concat({{0xFF, 0xFF, 0x01, 0x00, 0x07, 0x00}, Text("CPoint3")});

TEST(CArchiveTest, ClassTagsAndObjectBackReferences) {
  CPoint3 p1, p2;
  p1.x = 1;
  p1.y = 2;
  p1.z = 3;
  p2.x = -1;
  const Bytes bytes = Store([&](CArchive& ar) { ar << &p1 << &p2 << &p1 << static_cast<CObject*>(nullptr); });
  // p1: new class (index 1), object index 2; p2: class tag 0x8001, object
  // index 3; p1 again: object index 2; null: 0.
  const Bytes expected =
      Concat({kPointClass, PointBytes(1, 2, 3), {0x01, 0x80}, PointBytes(-1, 0, 0), {0x02, 0x00}, {0x00, 0x00}});
  EXPECT_EQ(bytes, expected);
  Load(bytes, [](CArchive& ar) {
    CObject *a = nullptr, *b = nullptr, *c = nullptr, *d = reinterpret_cast<CObject*>(1);
    ar >> a >> b >> c >> d;
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_NE(a, b);
    EXPECT_EQ(a, c);
    EXPECT_EQ(d, nullptr);
    auto* pa = DYNAMIC_DOWNCAST(CPoint3, a);
    ASSERT_NE(pa, nullptr);
    EXPECT_EQ(pa->x, 1);
    EXPECT_EQ(pa->y, 2);
    EXPECT_EQ(pa->z, 3);
    EXPECT_EQ(static_cast<CPoint3*>(b)->x, -1);
    delete a;
    delete b;
  });
}

TEST(CArchiveTest, SharedObjectInsideAnotherIsWrittenOnce) {
  CPoint3 shared;
  shared.x = 9;
  CHolder holder;
  holder.owns = false;
  holder.name = "h";
  holder.first = &shared;
  holder.second = &shared;
  const Bytes bytes = Store([&](CArchive& ar) { ar << &holder; });
  const Bytes expected = Concat({{0xFF, 0xFF, 0x01, 0x00, 0x07, 0x00},
                                 Text("CHolder"),
                                 {0x01, 'h'},
                                 kPointClass,
                                 PointBytes(9, 0, 0),
                                 {0x04, 0x00}});
  EXPECT_EQ(bytes, expected);
  Load(bytes, [](CArchive& ar) {
    CHolder* loaded = nullptr;
    ar >> loaded;
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->name, "h");
    EXPECT_EQ(loaded->first, loaded->second);
    EXPECT_EQ(static_cast<CPoint3*>(loaded->first)->x, 9);
    delete loaded;
  });
}

Bytes Str(const std::string& s) { return Concat({{static_cast<BYTE>(s.size())}, Text(s)}); }

TEST(CArchiveTest, ObjectListKeepsTheClassicLayoutAndBackReferences) {
  CTopic a("Intro", "Start", "", "intro.html"), b("Usage", "", "x", "use.html");
  CTopic c(CString('T', 255), "", CString('x', 300), CString('p', 65535));
  CPoint3 p1, p2;
  p1.x = 7;
  p2.z = 9;
  CObList list;
  for (CObject* pOb : std::initializer_list<CObject*>{&a, &b, &a, &c, &p1, &p2, &b}) list.AddTail(pOb);
  const Bytes bytes = Store([&](CArchive& ar) { list.Serialize(ar); });

  // Index 1 is the CTopic class, 2..4 its objects, 5 the CPoint3 class,
  // 6 and 7 its objects.
  const Bytes expected = Concat({
      {0x07, 0x00},
      {0xFF, 0xFF, 0x01, 0x00, 0x06, 0x00},
      Text("CTopic"),
      Str("Intro"),
      Str("Start"),
      Str(""),
      Str("intro.html"),
      {0x01, 0x80},
      Str("Usage"),
      Str(""),
      Str("x"),
      Str("use.html"),
      {0x02, 0x00},
      {0x01, 0x80},
      {0xFF, 0xFF, 0x00},
      Bytes(255, 'T'),
      Str(""),
      {0xFF, 0x2C, 0x01},
      Bytes(300, 'x'),
      {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00},
      Bytes(65535, 'p'),
      kPointClass,
      PointBytes(7, 0, 0),
      {0x05, 0x80},
      PointBytes(0, 0, 9),
      {0x03, 0x00},
  });
  EXPECT_EQ(bytes, expected);

  Load(bytes, [](CArchive& ar) {
    CObList back;
    back.Serialize(ar);
    ASSERT_EQ(back.GetCount(), 7);
    std::vector<CObject*> items;
    for (POSITION pos = back.GetHeadPosition(); pos;) items.push_back(back.GetNext(pos));
    EXPECT_EQ(items[0], items[2]);
    EXPECT_EQ(items[1], items[6]);
    EXPECT_NE(items[4], items[5]);
    auto* first = DYNAMIC_DOWNCAST(CTopic, items[0]);
    auto* third = DYNAMIC_DOWNCAST(CTopic, items[3]);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(first->page, "intro.html");
    EXPECT_EQ(static_cast<CTopic*>(items[1])->third, "x");
    EXPECT_EQ(third->title.GetLength(), 255);
    EXPECT_EQ(third->third, CString('x', 300));
    EXPECT_EQ(third->page.GetLength(), 65535);
    ASSERT_TRUE(items[5]->IsKindOf(RUNTIME_CLASS(CPoint3)));
    EXPECT_EQ(static_cast<CPoint3*>(items[4])->x, 7);
    EXPECT_EQ(static_cast<CPoint3*>(items[5])->z, 9);
    for (size_t i : {0, 1, 3, 4, 5}) delete items[i];
  });
}

Bytes StoredPoint() {
  CPoint3 p;
  return Store([&](CArchive& ar) { ar << &p; });
}

TEST(CArchiveTest, SchemaMismatchThrowsBadSchema) {
  Bytes bytes = StoredPoint();
  bytes[2] = 0x02;  // the stored schema WORD
  CObject* pOb = nullptr;
  EXPECT_EQ(LoadFailure(bytes, [&](CArchive& ar) { ar >> pOb; }), CArchiveException::badSchema);
  EXPECT_EQ(pOb, nullptr);
}

TEST(CArchiveTest, VersionableSchemaAcceptsOlderDataAndReportsIt) {
  CVersioned v;
  v.value = 5;
  Bytes bytes = Store([&](CArchive& ar) { ar << &v; });
  ASSERT_EQ(bytes[2], 0x02);
  bytes[2] = 0x01;
  Load(bytes, [](CArchive& ar) {
    CVersioned* loaded = nullptr;
    ar >> loaded;
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->loadedSchema, 1u);
    EXPECT_EQ(loaded->value, 5);
    EXPECT_EQ(ar.GetObjectSchema(), static_cast<UINT>(-1));
    delete loaded;
  });
}

TEST(CArchiveTest, MalformedTagsThrowTheRightCause) {
  const auto readOne = [](CArchive& ar) {
    CObject* pOb = nullptr;
    ar >> pOb;
    delete pOb;
  };
  Bytes unknown = StoredPoint();
  unknown[6] = 'X';  // "XPoint3" is not registered
  EXPECT_EQ(LoadFailure(unknown, readOne), CArchiveException::badClass);
  EXPECT_EQ(LoadFailure({0x05, 0x00}, readOne), CArchiveException::badIndex);
  EXPECT_EQ(LoadFailure({0x01, 0x80}, readOne), CArchiveException::badIndex);
  EXPECT_EQ(LoadFailure({0x01}, readOne), CArchiveException::endOfFile);
  Bytes cut = StoredPoint();
  cut.pop_back();
  EXPECT_EQ(LoadFailure(cut, readOne), CArchiveException::endOfFile);
  // A back-reference to the class entry is not an object.
  Bytes classAsObject = Concat({StoredPoint(), {0x01, 0x00}});
  EXPECT_EQ(LoadFailure(classAsObject,
                        [](CArchive& ar) {
                          CObject* first = nullptr;
                          ar >> first;
                          delete first;
                          CObject* second = nullptr;
                          ar >> second;
                        }),
            CArchiveException::badIndex);
  // Asking for one class and finding another.
  EXPECT_EQ(LoadFailure(StoredPoint(),
                        [](CArchive& ar) {
                          CHolder* holder = nullptr;
                          ar >> holder;
                        }),
            CArchiveException::badClass);
}

TEST(CArchiveTest, EveryTruncationThrowsAndKeepsWhatWasRead) {
  CObList list;
  CPoint3 a, b;
  CHolder holder;
  holder.owns = false;
  holder.first = &a;
  holder.second = &b;
  list.AddTail(&holder);
  list.AddTail(&a);
  const Bytes bytes = Store([&](CArchive& ar) { list.Serialize(ar); });
  for (size_t length = 0; length < bytes.size(); ++length) {
    CObList loaded;
    const int cause = LoadFailure(Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length)),
                                  [&](CArchive& ar) { loaded.Serialize(ar); });
    // A cut inside a class name reads as an unknown class, as it always has.
    EXPECT_TRUE(cause == CArchiveException::endOfFile || cause == CArchiveException::badClass) << length;
    // Only the holder is owned by the list; the point inside it belongs to it.
    if (!loaded.IsEmpty()) delete loaded.RemoveHead();
    EXPECT_TRUE(loaded.IsEmpty()) << length;
  }
}

TEST(CArchiveTest, AnObjectFreedForBadDataFreesWhatItsCollectionsHadRead) {
  for (int kind = 0; kind < 3; ++kind) {
    CGroup group;
    group.kind = kind;
    CCounted a, b, c;
    group.Add(1, &a);
    group.Add(2, &b);
    group.Add(3, &c);
    const Bytes bytes = Store([&](CArchive& ar) { ar << &group; });
    const int live = CCounted::live;
    for (size_t length = 0; length < bytes.size(); ++length) {
      EXPECT_NE(LoadFailure(Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length)),
                            [&](CArchive& ar) { ar.ReadObject(nullptr); }),
                -1);
      // The group does not own its elements; the half-read group is freed
      // by the archive, and the elements its collection had read with it.
      EXPECT_EQ(CCounted::live, live) << "kind " << kind << ", cut at " << length;
    }
    Load(bytes, [&](CArchive& ar) {
      auto* back = static_cast<CGroup*>(ar.ReadObject(nullptr));
      ASSERT_NE(back, nullptr);
      EXPECT_EQ(back->Count(), 3);
      back->DeleteElements();
      delete back;
    });
    EXPECT_EQ(CCounted::live, live);
  }
}

TEST(CArchiveTest, CorruptCountFailsWithoutClaimingTheMemory) {
  CStringArray strings;
  EXPECT_EQ(LoadFailure({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, [&](CArchive& ar) { strings.Serialize(ar); }),
            CArchiveException::endOfFile);
  CString text;
  EXPECT_EQ(LoadFailure({0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF, 'a'}, [&](CArchive& ar) { ar >> text; }),
            CArchiveException::endOfFile);
}

TEST(CArchiveTest, CollectionLayouts) {
  CStringArray strings;
  strings.Add("a");
  strings.Add("bc");
  EXPECT_EQ(Store([&](CArchive& ar) { strings.Serialize(ar); }), (Bytes{0x02, 0x00, 0x01, 'a', 0x02, 'b', 'c'}));
  CDWordArray dwords;
  dwords.Add(0x01020304);
  EXPECT_EQ(Store([&](CArchive& ar) { dwords.Serialize(ar); }), (Bytes{0x01, 0x00, 0x04, 0x03, 0x02, 0x01}));
  CMapStringToString map;
  map.SetAt("k", "v");
  const Bytes mapBytes = Store([&](CArchive& ar) { map.Serialize(ar); });
  EXPECT_EQ(mapBytes, (Bytes{0x01, 0x00, 0x01, 'k', 0x01, 'v'}));
  CStringList list;
  list.AddTail("x");
  const Bytes listBytes = Store([&](CArchive& ar) { list.Serialize(ar); });
  EXPECT_EQ(listBytes, (Bytes{0x01, 0x00, 0x01, 'x'}));

  Load(mapBytes, [](CArchive& ar) {
    CMapStringToString back;
    back.Serialize(ar);
    CString value;
    EXPECT_TRUE(back.Lookup("k", value));
    EXPECT_EQ(value, "v");
  });
  Load(Store([&](CArchive& ar) { strings.Serialize(ar); }), [](CArchive& ar) {
    CStringArray back;
    back.Add("stale");
    back.Serialize(ar);
    ASSERT_EQ(back.GetSize(), 2);
    EXPECT_EQ(back[1], "bc");
  });
}

TEST(CArchiveTest, WrongDirectionAndNonSerialisableClassesThrow) {
  CMemFile file;
  CArchive storing(&file, CArchive::store);
  BYTE by = 0;
  EXPECT_EQ(LoadFailure({}, [&](CArchive&) { storing >> by; }), CArchiveException::writeOnly);
  CCircle circle;
  bool notSupported = false;
  try {
    storing << &circle;
  } catch (CNotSupportedException* e) {
    notSupported = true;
    e->Delete();
  }
  EXPECT_TRUE(notSupported);
  EXPECT_EQ(LoadFailure({0x01}, [](CArchive& ar) { ar << static_cast<BYTE>(1); }), CArchiveException::readOnly);
}

TEST(CArchiveTest, FlushOnLoadGivesUnreadBytesBack) {
  CMemFile file;
  const BYTE data[] = {1, 2, 3, 4};
  file.Write(data, sizeof data);
  file.SeekToBegin();
  {
    CArchive ar(&file, CArchive::load);
    BYTE first = 0;
    ar >> first;
    EXPECT_EQ(first, 1);
    ar.Close();
  }
  EXPECT_EQ(file.GetPosition(), 1u);
}

}  // namespace
