// Reading business-object blocks: what each line does, every error with
// its line, and what a failed read leaves behind.
#include <gtest/gtest.h>

#include <windows.h>

#include "DataManager.h"
#include "DravonTestHooks.h"
#include "session/Session.h"
#include "repocopy_test_support.h"
#include "temp_folder.h"

namespace repocopy_test {
namespace {

using namespace dravon::repocopy;

TEST(ReadTest, TheEditorsFileReadsIntoItsDefinitions) {
  Defs defs;
  std::vector<Error> warnings;
  const Error error = Read(EditorFile(), defs, &warnings);
  ASSERT_FALSE(error) << ErrorText(error);
  EXPECT_TRUE(warnings.empty());
  ASSERT_EQ(defs.size(), 2u);
  const CQRBusObjDef& customer = *defs[0];
  EXPECT_STREQ(customer.name(), "Customer");
  EXPECT_EQ(customer.GetVersion(), "2.0.0");
  EXPECT_EQ(customer.GetAppInfo(), "table=cust; owner = sales") << "the value runs past a second =";
  ASSERT_EQ(customer.GetAttrs().GetSize(), 3);
  const CBODefAttr& id = *customer.GetAttrs()[0];
  EXPECT_EQ(id.GetPosition(), 1);
  EXPECT_TRUE(id.IsKey());
  EXPECT_TRUE(id.IsRequired());
  EXPECT_FALSE(id.IsForeignKey());
  EXPECT_EQ(id.GetComments(), "The key, 50% of it  ") << "trailing blanks stay";
  const CBODefAttr& address = *customer.GetAttrs()[1];
  EXPECT_EQ(address.GetPosition(), 2);
  EXPECT_FALSE(address.IsSimpleType());
  EXPECT_EQ(address.GetRelationship(), "Containment");
  EXPECT_EQ(address.GetContainedObjectVersion(), "1.0.0");
  EXPECT_EQ(address.GetCardinality(), "N");
  ASSERT_EQ(customer.GetVerbs().GetSize(), 2);
  EXPECT_EQ(customer.GetVerbs()[0]->GetAppInfo(), "INSERT customer");
  EXPECT_EQ(customer.GetVerbs()[0]->GetState() & HvStateModified, HvStateModified);
  EXPECT_EQ(customer.GetVerbs()[1]->GetState(), 0) << "a verb without information is not marked";
  ASSERT_EQ(customer.GetProperties().GetSize(), 2);
  EXPECT_EQ(customer.GetProperties()[0], (CBOSpecProperty{"Owner", "String", "sales ", ""}));
  EXPECT_EQ(customer.GetProperties()[1], (CBOSpecProperty{"Empty", "", "", ""}));
  EXPECT_STREQ(defs[1]->name(), "Address");
}

TEST(ReadTest, LfOnlyLinesAndBlankLinesReadAsTheEditorsFile) {
  std::string text = EditorFile();
  std::string lf;
  for (char c : text) {
    if (c != '\r') lf += c;
    if (c == '\n') lf += "\r\n";  // lines holding only a CR are empty
  }
  Defs fromCrlf;
  Defs fromLf;
  ASSERT_FALSE(Read(text, fromCrlf));
  ASSERT_FALSE(Read(lf, fromLf));
  std::string again;
  ASSERT_FALSE(WriteText(again, Pointers(fromLf)));
  EXPECT_EQ(again, text);
}

TEST(ReadTest, FlagsAreTrueOnlyForLowerCaseTrue) {
  Defs defs;
  ASSERT_FALSE(Read(Lf({"[BusinessObjectDefinition]", "Name = A", "\t[Attribute]", "\tName = X", "\tIsKey = TRUE",
                        "\tIsRequired = true ", "\tIsForeignKey = yes", "\t[End]", "[End]"}),
                    defs));
  const CBODefAttr& x = *defs[0]->GetAttrs()[0];
  EXPECT_FALSE(x.IsKey());
  EXPECT_FALSE(x.IsRequired()) << "a trailing blank stays part of the value";
  EXPECT_FALSE(x.IsForeignKey());
}

TEST(ReadTest, ADefinitionWithoutAttributesGetsTheEventId) {
  Defs defs;
  std::vector<Error> warnings;
  ASSERT_FALSE(Read(Lf({"[BusinessObjectDefinition]", "Name = Bare", "[End]"}), defs, &warnings));
  ASSERT_EQ(defs[0]->GetAttrs().GetSize(), 1);
  EXPECT_EQ(defs[0]->GetAttrs()[0]->GetName(), CBODefAttr::ATTR_OBJECT_EVENT_ID);
  EXPECT_EQ(defs[0]->GetAttrs()[0]->GetTypeName(), "String");
  EXPECT_EQ(defs[0]->GetAttrs()[0]->GetPosition(), 1);
  EXPECT_EQ(defs[0]->GetVersion(), "1.0.0");
  ASSERT_EQ(warnings.size(), 1u) << "no header: the code-2 warning";
  EXPECT_EQ(ErrorText(warnings[0]), "Line 1: No repository copy version available");
}

TEST(ReadTest, HeaderReading) {
  struct Case {
    std::string text;
    int warningLine;  // 0: no warning
    const char* version;
  };
  const std::string block = "[BusinessObjectDefinition]\nName = A\n[End]\n";
  const Case cases[] = {
      {"[Pellisk]\nVersion = 3.0.0\n[End]\n" + block, 0, "3.0.0"},
      // The connector editor's header, with its key and an empty line.
      {"[Pellisk]\r\nVersion = 4.0.0\r\nRepositoryID = k3y\r\n[End]\r\n\r\n" + block, 0, "4.0.0"},
      {"[pellisk]\nversion = 3.0.0\n[end]\n" + block, 0, "3.0.0"},
      // No Version line: the definition's tag is not taken as the header's.
      {"[Pellisk]\n" + block, 2, ""},
      {"[Pellisk]\nVersion = 3.0.0\n" + block, 0, "3.0.0"},
      {"[Pellisk]\n[End]\n" + block, 2, ""},
      {"[Pellisk]\nVersion = \n[End]\n" + block, 2, ""},
      {"[Pellisk]\nRepositoryID = k\n[End]\n\n" + block, 2, ""},
  };
  for (const Case& c : cases) {
    LineReader in(c.text);
    std::vector<Error> warnings;
    BODefReader reader(in, {[&](const Error& w) { warnings.push_back(w); }, {}});
    std::unique_ptr<CQRBusObjDef> def = reader.Next();
    ASSERT_TRUE(def) << c.text << ErrorText(reader.GetError());
    EXPECT_STREQ(def->name(), "A") << c.text;
    EXPECT_FALSE(reader.Next());
    EXPECT_FALSE(reader.GetError()) << c.text;
    EXPECT_EQ(reader.GetVersion(), c.version) << c.text;
    if (c.warningLine == 0) {
      EXPECT_TRUE(warnings.empty()) << c.text;
    } else {
      ASSERT_EQ(warnings.size(), 1u) << c.text;
      EXPECT_EQ(warnings[0].code, kNoVersion);
      EXPECT_EQ(warnings[0].line, c.warningLine) << c.text;
    }
  }
}

struct BadCase {
  std::string text;
  int code;
  int line;
  const char* message;  // ErrorText, or null to leave it unchecked
};

const std::string kHeader = "[Pellisk]\nVersion = 3.0.0\n[End]\n";
const std::string kGood = "[BusinessObjectDefinition]\nName = Good\n[End]\n";  // lines 4 to 6 after the header

TEST(ReadTest, EveryErrorWithItsLine) {
  const BadCase cases[] = {
      {"", kNoDefinitions, 0, "The file does not contain any Business Object definitions"},
      {"\r\n\n\r\n", kNoDefinitions, 0, nullptr},
      {kHeader, kNoDefinitions, 0, nullptr},
      {"[Pellisk]\nVersion = 3.0.0\n", kNoDefinitions, 0, nullptr},
      {"random words\n" + kGood, kMissingHeader, 1, "Line 1: Missing [BusinessObjectDefinition] header"},
      {kHeader + "Name = Stray\n", kMissingHeader, 4, nullptr},
      {kHeader + "\t[Attribute]\n", kMissingHeader, 4, nullptr},
      {kHeader + kGood + "[Connector]\nName = C\n[End]\n", kMissingHeader, 7, nullptr},
      {kHeader + kGood + "trailing words\n" + kGood, kMissingHeader, 7, nullptr},
      {kHeader + "[BusinessObjectDefinition]\n\n", kIncomplete, 4,
       "The content of the BO definition at line 4 is incomplete"},
      {kHeader + "[BusinessObjectDefinition]\nName = Open\nVersion = 1\n", kIncomplete, 6,
       "The content of the BO definition Open is incomplete"},
      {kHeader + "[BusinessObjectDefinition]\nName = Open\n\t[Attribute]\n\tName = A\n", kIncomplete, 7, nullptr},
      {kHeader + "[BusinessObjectDefinition]\nVersion = 1.0.0\nName = Late\n[End]\n", kNoName, 5,
       "Line 5: The first field in a business object definition must be its name"},
      {kHeader + "[BusinessObjectDefinition]\nName = \n[End]\n", kNoName, 5, nullptr},
      {kHeader + "[BusinessObjectDefinition]\nName = X\nColour = red\n[End]\n", kInvalidAttribute, 6,
       "Line 6: Colour = red Invalid attribute"},
      {kHeader + "[BusinessObjectDefinition]\nName = X\n\t[Widget]\n[End]\n", kInvalidAttribute, 6,
       "Line 6: [Widget] Invalid attribute"},
      {kHeader + "[BusinessObjectDefinition]\nName = X\nversion = 1\n[End]\n", kInvalidAttribute, 6, nullptr},
      {kHeader + "[BusinessObjectDefinition]\nName = X\n\t[Attribute]\n\tType = String\n\t[End]\n[End]\n",
       kAttributeWithoutName, 7, "Line 7: The first attribute of the business object must be its name"},
      {kHeader + "[BusinessObjectDefinition]\nName = X\n\t[Attribute]\n\tName = A\n\tColour = x\n\t[End]\n[End]\n",
       kUnknownField, 8, "Line 8: Unknown field name Colour encountered"},
      {kHeader + "[BusinessObjectDefinition]\nName = X\n\t[Attribute]\n\tName = A\n\ttype = String\n\t[End]\n[End]\n",
       kUnknownField, 8, "Line 8: Unknown field name type encountered"},
      {kHeader + "[BusinessObjectDefinition]\nName = X\n\t[Attribute]\n\tName = A\n[End]\n", kUnknownField, 8,
       "Line 8: Unknown field name [End] encountered"},
      {kHeader + "[BusinessObjectDefinition]\nName = X\n\t[Property]\n\tAttrName = a\n\t[End]\n[End]\n",
       kPropertyWithoutName, 7, "Line 7: Properties must have their name as the first field"},
      {kHeader + "[BusinessObjectDefinition]\nName = X\n\t[Property]\n\tName = \n\t[End]\n[End]\n", kNullPropertyName,
       7, "Line 7: NULL property name encountered"},
      {kHeader + "[BusinessObjectDefinition]\nName = X\n\t[Property]\n\tName = P\n\tAttrName = a\n\tAttrName = b\n",
       kPropertyNameTwice, 9, "Line 9: Property name encountered twice"},
      {kHeader + "[BusinessObjectDefinition]\nName = X\n\t[Property]\n\tName = P\n\tAttrName = a\n\tOther = 1\n",
       kInvalidField, 9, "Line 9: The field is invalid"},
      {kHeader + "[BusinessObjectDefinition]\nName = X\n\t[Property]\n\tName = P\n\tAttrValue = v\n", kInvalidField, 8,
       nullptr},
      {kHeader + "[BusinessObjectDefinition]\nName = X\n\t[Verb]\n\tName = \n\t[End]\n[End]\n", kInvalidVerb, 7,
       "Line 7: Name =  Invalid verb"},
      {kHeader + "[BusinessObjectDefinition]\nName = X\n\t[Verb]\n\tname = Create\n\t[End]\n[End]\n", kInvalidVerb, 7,
       nullptr},
      {kHeader + "[BusinessObjectDefinition]\nName = X\n\t[Verb]\n\tName = Create\n\tScenario = s\n\t[End]\n[End]\n",
       kInvalidVerb, 8, "Line 8: Scenario = s Invalid verb"},
  };
  for (const BadCase& c : cases) {
    Defs defs;
    const Error error = Read(c.text, defs);
    EXPECT_EQ(error.code, c.code) << c.text << "\n" << ErrorText(error);
    EXPECT_EQ(error.line, c.line) << c.text << "\n" << ErrorText(error);
    if (c.message != nullptr) {
      EXPECT_EQ(ErrorText(error), c.message) << c.text;
    }
    EXPECT_TRUE(defs.empty()) << c.text;
  }
}

TEST(ReadTest, BadBytesAndDuplicateNamesAreErrorsOfTheirLine) {
  const BadCase cases[] = {
      // A NUL would cut the name short and let it overwrite another definition.
      {kHeader + kGood + Bytes("[BusinessObjectDefinition]\nName = Good\0Other\n[End]\n"), kInvalidField, 8,
       "Line 8: The field is invalid"},
      {kHeader + Bytes("[BusinessObjectDefinition]\nName = X\n\t[Verb]\n\tName = V\n\tAppSpecificInfo = \0\n"),
       kInvalidField, 8, nullptr},
      {kHeader + kGood + "[BusinessObjectDefinition]\nName = good\n[End]\n", kNameExists, 8,
       "Line 8: A business object with this name already exists: good"},
  };
  for (const BadCase& c : cases) {
    Defs defs;
    const Error error = Read(c.text, defs);
    EXPECT_EQ(error.code, c.code) << ErrorText(error);
    EXPECT_EQ(error.line, c.line) << ErrorText(error);
    if (c.message != nullptr) {
      EXPECT_EQ(ErrorText(error), c.message);
    }
    EXPECT_TRUE(defs.empty());
  }
}

TEST(ReadTest, UnknownCodesHaveNoText) {
  EXPECT_STREQ(ErrorFormat(12), "");
  EXPECT_STREQ(ErrorFormat(24), "");
  EXPECT_EQ(ErrorText(Error{}), "");
}

// Definitions that count themselves, to see that none outlives a failed read.
int g_live = 0;
class CountedDef : public CQRBusObjDef {
 public:
  explicit CountedDef(const char* name) : CQRBusObjDef(name, nullptr, HvStateNew) { ++g_live; }
  ~CountedDef() override { --g_live; }
};

TEST(ReadTest, AFailedReadLeavesNothingHalfMade) {
  CBODefArray defs;
  CQRBusObjDef earlier("Earlier", nullptr, 0);
  defs.Add(&earlier);
  std::vector<std::string> started;
  ReadHooks hooks;
  hooks.started = [&](CQRBusObjDef& def) { started.push_back(def.name()); };
  const DefMaker make = [](const char* name) -> CQRBusObjDef* { return new CountedDef(name); };
  const std::string badText = kHeader + kGood + "[BusinessObjectDefinition]\nName = Second\n[End]\n" +
                              "[BusinessObjectDefinition]\nName = Third\n\t[Attribute]\n\tName = A\n\tBad = 1\n";
  LineReader bad(badText);
  const Error error = ReadDefinitions(bad, defs, make, hooks);
  EXPECT_EQ(error.code, kUnknownField);
  EXPECT_EQ(g_live, 0) << "the definitions read before the error are deleted";
  ASSERT_EQ(defs.GetSize(), 1);
  EXPECT_EQ(defs[0], &earlier);
  EXPECT_EQ(started, (std::vector<std::string>{"Good", "Second", "Third"}));

  const std::string goodText = kHeader + kGood;
  LineReader good(goodText);
  ASSERT_FALSE(ReadDefinitions(good, defs, make));
  ASSERT_EQ(defs.GetSize(), 2);
  EXPECT_EQ(g_live, 1);
  delete defs[1];
  EXPECT_EQ(g_live, 0);
}

TEST(ReadTest, TheDataManagersDefinitionsOfAFailedReadAreGivenBack) {
  win32::ResetWindowSystem();
  win32::UseVirtualClock(true);
  CDataManager* dm = CDataManager::InitInstance();
  std::vector<CQRBusObjDef*> made;
  ReadHooks hooks;
  hooks.started = [&](CQRBusObjDef& def) { made.push_back(&def); };
  const DefMaker make = [dm](const char* name) { return dm->CreateNewBODef(name); };
  CBODefArray defs;
  const std::string badText = kHeader + kGood + "[BusinessObjectDefinition]\nName = Broken\n";
  LineReader bad(badText);
  EXPECT_EQ(ReadDefinitions(bad, defs, make, hooks).code, kIncomplete);
  ASSERT_EQ(made.size(), 2u);
  for (CQRBusObjDef* def : made) EXPECT_FALSE(dravon::test::SessionOwns(def));
  EXPECT_EQ(defs.GetSize(), 0);

  const std::string goodText = kHeader + kGood;
  LineReader good(goodText);
  ASSERT_FALSE(ReadDefinitions(good, defs, make));
  ASSERT_EQ(defs.GetSize(), 1);
  EXPECT_TRUE(dravon::test::SessionOwns(defs[0])) << "kept by the data manager, which frees it";
  delete dm;
  win32::ResetWindowSystem();
}

TEST(ReadTest, ADefinitionIsReadAgainByItsNameAlone) {
  // The block before it is broken: it is passed over, not read.
  const std::string text = kHeader + "[BusinessObjectDefinition]\nName = First\nColour = red\n[End]\n" +
                           "[BusinessObjectDefinition]\nName = Wanted\nVersion = 7.0.0\n\t[Attribute]\n"
                           "\tName = A\n\tType = Integer\n\t[End]\n[End]\n";
  std::unique_ptr<CQRBusObjDef> found;
  LineReader in(text);
  ASSERT_FALSE(ReadDefinitionNamed(in, "WANTED", found));
  ASSERT_TRUE(found);
  EXPECT_STREQ(found->name(), "Wanted");
  EXPECT_EQ(found->GetVersion(), "7.0.0");
  EXPECT_EQ(found->GetAttrs()[0]->GetTypeName(), "Integer");

  LineReader missing(text);
  EXPECT_FALSE(ReadDefinitionNamed(missing, "Absent", found));
  EXPECT_FALSE(found);

  LineReader broken(text);
  const Error error = ReadDefinitionNamed(broken, "First", found);
  EXPECT_EQ(error.code, kInvalidAttribute);
  EXPECT_EQ(error.line, 6);
  EXPECT_FALSE(found);

  const std::string noVersionText = "[Pellisk]\n[End]\n" + kGood;
  LineReader noVersion(noVersionText);
  const Error versionError = ReadDefinitionNamed(noVersion, "Good", found);
  EXPECT_EQ(versionError.code, kNoVersion);
  EXPECT_EQ(versionError.line, 2);
  EXPECT_FALSE(found);
}

TEST(ReadTest, FilesThatCannotBeReadSaySo) {
  halvane::test::TempFolder folder("repocopy-read");
  Defs defs;
  const Error missing = ReadFile(folder / "none.in", defs);
  EXPECT_EQ(missing.code, kCannotRead);
  EXPECT_EQ(ErrorText(missing),
            CString(("Cannot read " + (folder / "none.in") + ": No such file or directory").c_str()));
  const Error isFolder = ReadFile(folder.path(), defs);
  EXPECT_EQ(isFolder.code, kCannotRead);
  EXPECT_NE(ErrorText(isFolder).Find("Is a directory"), -1) << ErrorText(isFolder);
  WriteFileText(folder / "empty.in", "");
  EXPECT_EQ(ReadFile(folder / "empty.in", defs).code, kNoDefinitions);
  WriteFileText(folder / "good.in", EditorFile());
  EXPECT_FALSE(ReadFile(folder / "good.in", defs));
  EXPECT_EQ(defs.size(), 2u);
  std::unique_ptr<CQRBusObjDef> found;
  EXPECT_FALSE(ReadDefinitionNamed(folder / "good.in", "address", found));
  ASSERT_TRUE(found);
  EXPECT_EQ(ReadDefinitionNamed(folder / "none.in", "Address", found).code, kCannotRead);
}

}  // namespace
}  // namespace repocopy_test
