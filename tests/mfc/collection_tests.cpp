#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "afxtempl.h"

namespace {

std::vector<std::string> Items(const CStringList& list) {
  std::vector<std::string> items;
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) items.emplace_back(list.GetNext(pos).GetString());
  return items;
}

TEST(CArrayTest, SetAtGrowInsertAtAndRemoveAt) {
  CArray<int, int> a;
  a.SetAtGrow(3, 7);
  ASSERT_EQ(a.GetSize(), 4);
  EXPECT_EQ(a[0], 0);
  EXPECT_EQ(a[3], 7);
  EXPECT_EQ(a.GetUpperBound(), 3);
  a.InsertAt(1, 5, 2);
  EXPECT_EQ(a.GetSize(), 6);
  EXPECT_EQ(a[1], 5);
  EXPECT_EQ(a[2], 5);
  EXPECT_EQ(a[5], 7);
  a.InsertAt(8, 9);  // past the end: grows with zeros up to the index
  EXPECT_EQ(a.GetSize(), 9);
  EXPECT_EQ(a[6], 0);
  EXPECT_EQ(a[8], 9);
  a.RemoveAt(0, 3);
  EXPECT_EQ(a.GetSize(), 6);
  EXPECT_EQ(a[0], 0);
  a.ElementAt(0) = 11;
  EXPECT_EQ(a.GetData()[0], 11);
  a.SetSize(2, 16);
  EXPECT_EQ(a.GetSize(), 2);
  a.FreeExtra();
  EXPECT_EQ(a.GetAt(0), 11);
}

TEST(CArrayTest, AddOfOwnElementSurvivesGrowth) {
  CArray<CString> a;
  a.Add("first");
  for (int i = 0; i < 100; ++i) a.Add(a[0]);
  EXPECT_EQ(a.GetCount(), 101);
  EXPECT_EQ(a[100], "first");
}

TEST(CArrayTest, AppendCopyAndInsertArray) {
  CStringArray a;
  a.Add("a");
  a.Add("b");
  CStringArray b;
  b.Copy(a);
  EXPECT_EQ(b.Append(a), 2);
  EXPECT_EQ(b.GetSize(), 4);
  b.InsertAt(1, &a);
  ASSERT_EQ(b.GetSize(), 6);
  EXPECT_EQ(b[1], "a");
  EXPECT_EQ(b[2], "b");
  b.InsertAt(0, &b);
  EXPECT_EQ(b.GetSize(), 12);
  b.RemoveAll();
  EXPECT_TRUE(b.IsEmpty());
}

TEST(CListTest, IterationSurvivesRemovalOfOtherElements) {
  CStringList list;
  for (const char* s : {"a", "b", "c", "d", "e"}) list.AddTail(s);
  // Remove every element equal to "b" or "d" while walking forward.
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
    const POSITION current = pos;
    const CString& item = list.GetNext(pos);
    if (item == "b" || item == "d") list.RemoveAt(current);
  }
  EXPECT_EQ(Items(list), (std::vector<std::string>{"a", "c", "e"}));
  const POSITION c = list.Find("c");
  ASSERT_NE(c, nullptr);
  list.RemoveAt(list.Find("a"));
  EXPECT_EQ(list.GetAt(c), "c");
  EXPECT_EQ(list.GetHeadPosition(), c);
}

TEST(CListTest, InsertBeforeAfterAndBackwardWalk) {
  CList<int, int> list;
  const POSITION two = list.AddTail(2);
  list.InsertBefore(two, 1);
  list.InsertAfter(two, 3);
  list.InsertBefore(nullptr, 0);
  list.InsertAfter(nullptr, 4);
  std::vector<int> backward;
  for (POSITION pos = list.GetTailPosition(); pos != nullptr;) backward.push_back(list.GetPrev(pos));
  EXPECT_EQ(backward, (std::vector<int>{4, 3, 2, 1, 0}));
  EXPECT_EQ(list.GetAt(list.FindIndex(3)), 3);
  EXPECT_EQ(list.FindIndex(5), nullptr);
  EXPECT_EQ(list.FindIndex(-1), nullptr);
  EXPECT_EQ(list.RemoveHead(), 0);
  EXPECT_EQ(list.RemoveTail(), 4);
  EXPECT_EQ(list.GetHead(), 1);
  EXPECT_EQ(list.GetTail(), 3);
  list.SetAt(list.GetHeadPosition(), 10);
  EXPECT_EQ(list.GetHead(), 10);
}

TEST(CListTest, FindStartsAfterTheGivenPosition) {
  CStringList list;
  const POSITION first = list.AddTail("x");
  list.AddTail("y");
  const POSITION second = list.AddTail("x");
  EXPECT_EQ(list.Find("x"), first);
  EXPECT_EQ(list.Find("x", first), second);
  EXPECT_EQ(list.Find("x", second), nullptr);
  EXPECT_EQ(list.Find("z"), nullptr);
}

TEST(CListTest, AddListKeepsOrderEvenForItself) {
  CStringList list;
  list.AddTail("b");
  CStringList head;
  head.AddTail("x");
  head.AddTail("y");
  list.AddHead(&head);
  list.AddTail(&head);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"x", "y", "b", "x", "y"}));
  list.AddTail(&list);
  EXPECT_EQ(list.GetCount(), 10);
}

TEST(CMapTest, LookupSetAtRemoveKey) {
  CMap<CString, LPCTSTR, int, int> map;
  EXPECT_TRUE(map.IsEmpty());
  map.SetAt("one", 1);
  map["two"] = 2;
  map.SetAt("one", 11);
  EXPECT_EQ(map.GetCount(), 2);
  int value = 0;
  EXPECT_TRUE(map.Lookup("one", value));
  EXPECT_EQ(value, 11);
  EXPECT_FALSE(map.Lookup("three", value));
  EXPECT_EQ(map["three"], 0);  // created value-initialised
  EXPECT_TRUE(map.RemoveKey("three"));
  EXPECT_FALSE(map.RemoveKey("three"));
  EXPECT_EQ(map.GetCount(), 2);
  map.RemoveAll();
  EXPECT_EQ(map.GetStartPosition(), nullptr);
}

// A value object as programs keep in maps: a CObject with texts and no
// archive operators of its own.
class CBinding : public CObject {
 public:
  CBinding() = default;
  CBinding(const CBinding& other) : CObject() { *this = other; }
  CBinding& operator=(const CBinding& other) {
    name = other.name;
    flag = other.flag;
    return *this;
  }
  CString name;
  int flag = 0;
};

TEST(CMapTest, ValuesWithoutArchiveOperatorsWorkButRefuseToSerialise) {
  CMap<CString, const char*, CBinding, CBinding&> map;
  CBinding binding;
  binding.name = "Native";
  binding.flag = 1;
  map.SetAt("Customer", binding);
  CBinding found;
  ASSERT_TRUE(map.Lookup("Customer", found));
  EXPECT_EQ(found.name, "Native");
  EXPECT_EQ(found.flag, 1);
  CMemFile file;
  CArchive ar(&file, CArchive::store);
  bool refused = false;
  try {
    map.Serialize(ar);
  } catch (CNotSupportedException* e) {
    refused = true;
    e->Delete();
  }
  EXPECT_TRUE(refused);
}

TEST(CMapTest, IterationOrderFollowsBucketsAndSurvivesRemoval) {
  CMapStringToString map;
  map.InitHashTable(7);
  for (int i = 0; i < 40; ++i) {
    CString key;
    key.Format("key%d", i);
    map.SetAt(key, key + "v");
  }
  std::vector<std::string> order;
  CString key, value;
  for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
    map.GetNextAssoc(pos, key, value);
    EXPECT_EQ(value, key + "v");
    order.emplace_back(key.GetString());
    // Removing the entry just returned must not disturb the walk.
    map.RemoveKey(key);
  }
  EXPECT_EQ(order.size(), 40u);
  EXPECT_EQ(std::set<std::string>(order.begin(), order.end()).size(), 40u);
  EXPECT_TRUE(map.IsEmpty());
  // The order is bucket by bucket: each key's bucket never decreases.
  UINT lastBucket = 0;
  for (const std::string& k : order) {
    const UINT bucket = HashKey<LPCTSTR>(k.c_str()) % 7;
    EXPECT_GE(bucket, lastBucket);
    lastBucket = bucket;
  }
}

TEST(CMapTest, RehashKeepsEveryEntry) {
  CMapStringToPtr map;
  int targets[50];
  for (int i = 0; i < 50; ++i) {
    CString key;
    key.Format("k%d", i);
    map.SetAt(key, &targets[i]);
  }
  map.InitHashTable(101);
  EXPECT_EQ(map.GetHashTableSize(), 101u);
  EXPECT_EQ(map.GetCount(), 50);
  for (int i = 0; i < 50; ++i) {
    CString key;
    key.Format("k%d", i);
    void* found = nullptr;
    ASSERT_TRUE(map.Lookup(key, found)) << i;
    EXPECT_EQ(found, &targets[i]);
  }
}

TEST(CMapTest, HashKeysMatchTheClassicFunctions) {
  EXPECT_EQ(HashKey<LPCTSTR>("ab"), (static_cast<UINT>('a') * 33u) + 'b');
  EXPECT_EQ(HashKey<const CString&>(CString("ab")), HashKey<LPCTSTR>("ab"));
  EXPECT_EQ(HashKey<WORD>(0x120), 0x12u);
  // High bytes count as negative, as with signed characters.
  EXPECT_EQ(HashKey<LPCTSTR>("\xff"), static_cast<UINT>(-1));
}

TEST(CMapTest, PointerAndWordKeys) {
  CMapPtrToPtr pointers;
  int a = 0, b = 0;
  pointers[&a] = &b;
  void* value = nullptr;
  EXPECT_TRUE(pointers.Lookup(&a, value));
  EXPECT_EQ(value, &b);
  EXPECT_FALSE(pointers.Lookup(&b, value));
  CMapWordToPtr words;
  words.SetAt(7, &a);
  EXPECT_TRUE(words.Lookup(7, value));
  EXPECT_EQ(value, &a);
}

struct Item : CObject {
  int n = 0;
};

TEST(TypedPtrTest, ArrayListAndMapOfTypedPointers) {
  Item one, two;
  one.n = 1;
  two.n = 2;
  CTypedPtrArray<CObArray, Item*> array;
  array.Add(&one);
  array.Add(&two);
  EXPECT_EQ(array[1]->n, 2);
  array[0] = &two;
  EXPECT_EQ(array.GetAt(0), &two);

  CTypedPtrList<CPtrList, Item*> list;
  list.AddTail(&one);
  list.AddTail(&two);
  POSITION pos = list.GetHeadPosition();
  EXPECT_EQ(list.GetNext(pos)->n, 1);
  EXPECT_EQ(list.GetNext(pos)->n, 2);
  EXPECT_EQ(pos, nullptr);

  CTypedPtrMap<CMapStringToPtr, CString, Item*> map;
  map.SetAt("two", &two);
  Item* found = nullptr;
  EXPECT_TRUE(map.Lookup("two", found));
  EXPECT_EQ(found, &two);
  CString key;
  pos = map.GetStartPosition();
  map.GetNextAssoc(pos, key, found);
  EXPECT_EQ(key, "two");
  EXPECT_EQ(found->n, 2);
}

}  // namespace
