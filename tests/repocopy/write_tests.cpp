// Writing definitions: byte for byte as the editor writes them, values that
// would break the file refused, files replaced only when complete.
#include <gtest/gtest.h>

#include "repocopy_test_support.h"
#include "temp_folder.h"

namespace repocopy_test {
namespace {

using namespace dravon::repocopy;

TEST(WriteTest, DefinitionsAreWrittenByteForByteAsTheEditorWritesThem) {
  const Defs defs = EditorDefinitions();
  std::string text;
  ASSERT_FALSE(WriteText(text, Pointers(defs)));
  EXPECT_EQ(text, EditorFile());
}

TEST(WriteTest, ARoundTripGivesTheSameBytesAndTheSameFields) {
  Defs read;
  ASSERT_FALSE(Read(EditorFile(), read));
  std::string again;
  ASSERT_FALSE(WriteText(again, Pointers(read)));
  EXPECT_EQ(again, EditorFile());

  const Defs made = EditorDefinitions();
  ASSERT_EQ(read.size(), made.size());
  for (size_t i = 0; i < made.size(); ++i) {
    const CQRBusObjDef& a = *made[i];
    const CQRBusObjDef& b = *read[i];
    EXPECT_STREQ(a.name(), b.name());
    EXPECT_EQ(a.GetVersion(), b.GetVersion());
    EXPECT_EQ(a.GetAppInfo(), b.GetAppInfo());
    ASSERT_EQ(a.GetAttrs().GetSize(), b.GetAttrs().GetSize());
    for (INT_PTR k = 0; k < a.GetAttrs().GetSize(); ++k) {
      const CBODefAttr& x = *a.GetAttrs()[k];
      const CBODefAttr& y = *b.GetAttrs()[k];
      EXPECT_EQ(x.GetPosition(), y.GetPosition());
      EXPECT_EQ(x.GetName(), y.GetName());
      EXPECT_EQ(x.GetTypeName(), y.GetTypeName());
      EXPECT_EQ(x.IsSimpleType(), y.IsSimpleType());
      EXPECT_EQ(x.IsKey(), y.IsKey());
      EXPECT_EQ(x.IsForeignKey(), y.IsForeignKey());
      EXPECT_EQ(x.IsRequired(), y.IsRequired());
      EXPECT_EQ(x.GetCardinality(), y.GetCardinality());
      EXPECT_EQ(x.GetMaxLength(), y.GetMaxLength());
      EXPECT_EQ(x.GetDefaultValue(), y.GetDefaultValue());
      EXPECT_EQ(x.GetAppInfo(), y.GetAppInfo());
      EXPECT_EQ(x.GetComments(), y.GetComments());
      EXPECT_EQ(x.GetRelationship(), y.GetRelationship());
      EXPECT_EQ(x.GetContainedObjectVersion(), y.GetContainedObjectVersion());
    }
    ASSERT_EQ(a.GetVerbs().GetSize(), b.GetVerbs().GetSize());
    for (INT_PTR k = 0; k < a.GetVerbs().GetSize(); ++k) {
      EXPECT_EQ(a.GetVerbs()[k]->GetName(), b.GetVerbs()[k]->GetName());
      EXPECT_EQ(a.GetVerbs()[k]->GetAppInfo(), b.GetVerbs()[k]->GetAppInfo());
    }
    ASSERT_EQ(a.GetProperties().GetSize(), b.GetProperties().GetSize());
    for (INT_PTR k = 0; k < a.GetProperties().GetSize(); ++k) EXPECT_EQ(a.GetProperties()[k], b.GetProperties()[k]);
  }
}

TEST(WriteTest, OnlyBusinessObjectAttributesCarryTheirVersionAndRelationship) {
  CQRBusObjDef def("Order", nullptr, HvStateNew);
  def.SetVersion("");
  def.GetAttrs().Add(new CBODefAttr(1, "Lines", "OrderLine"));
  def.GetAttrs().Add(new CBODefAttr(2, "Note", "LongText"));
  std::string text;
  LineWriter out(text);
  ASSERT_FALSE(WriteDefinition(out, def));
  EXPECT_EQ(text, Crlf({"[BusinessObjectDefinition]",
                        "Name = Order",
                        "Version = ",
                        "",
                        "\t[Attribute]",
                        "\tName = Lines",
                        "\tType = OrderLine",
                        "\tContainedObjectVersion = ",
                        "\tRelationship = ",
                        "\tMaxLength = ",
                        "\tIsKey = false",
                        "\tIsForeignKey = false",
                        "\tIsRequired = false",
                        "\tIsRequiredServerBound = false",
                        "\t[End]",
                        "",
                        "\t[Attribute]",
                        "\tName = Note",
                        "\tType = LongText",
                        "\tMaxLength = ",
                        "\tIsKey = false",
                        "\tIsForeignKey = false",
                        "\tIsRequired = false",
                        "\tIsRequiredServerBound = false",
                        "\t[End]",
                        "[End]"}));
}

struct BrokenValue {
  const char* field;
  const char* part;
  void (*breakIt)(CQRBusObjDef&);
};

const BrokenValue kBroken[] = {
    {"AppSpecificInfo", "", [](CQRBusObjDef& d) { d.SetAppInfo("one\nName = Injected"); }},
    {"Name", "", [](CQRBusObjDef& d) { d.SetName("Cust\r\nomer"); }},
    {"Comments", "attribute Id", [](CQRBusObjDef& d) { d.GetAttrs()[0]->SetComments("two\rlines"); }},
    {"Name", "attribute Str eet", [](CQRBusObjDef& d) { d.GetAttrs()[1]->SetName("Str\neet"); }},
    {"AppSpecificInfo", "verb Create", [](CQRBusObjDef& d) { d.GetVerbs()[0]->SetAppInfo("a\nb"); }},
    {"AttrValue", "property Owner", [](CQRBusObjDef& d) { d.GetProperties()[0].value = "x\ny"; }},
    {"AttrType", "property Owner",
     [](CQRBusObjDef& d) { d.GetProperties()[0].type = CString(std::string_view("nul\0", 4)); }},
};

TEST(WriteTest, AValueWithALineBreakIsRefusedNamingTheDefinitionAndTheField) {
  halvane::test::TempFolder folder("repocopy-write");
  const std::string path = folder / "export.in";
  WriteFileText(path, "the good old file");
  for (const BrokenValue& b : kBroken) {
    Defs defs = EditorDefinitions();
    b.breakIt(*defs[0]);
    const std::optional<WriteError> found = FindUnwritableValue(*defs[0]);
    ASSERT_TRUE(found) << b.field;
    EXPECT_EQ(found->kind, WriteError::kBadValue);
    EXPECT_EQ(found->field, b.field);
    EXPECT_EQ(found->part, b.part);

    std::string text = "before";
    const WriteError textError = WriteText(text, Pointers(defs));
    EXPECT_EQ(textError.kind, WriteError::kBadValue);
    EXPECT_EQ(text, "before") << "nothing is written";

    const WriteError fileError = WriteFile(path, Pointers(defs));
    EXPECT_EQ(fileError.kind, WriteError::kBadValue) << b.field;
    EXPECT_NE(fileError.message.Find(b.field), -1) << fileError.message;
    EXPECT_EQ(FileText(path), "the good old file");
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"export.in"});
  }
  Defs defs = EditorDefinitions();
  kBroken[2].breakIt(*defs[0]);
  EXPECT_EQ(WriteFile(path, Pointers(defs)).message,
            "The business object Customer cannot be written: the Comments of attribute Id holds a line break.");
  EXPECT_FALSE(FindUnwritableValue(*defs[1])) << "the other definition is fine";
}

TEST(WriteTest, AFileIsWrittenWholeOrNotAtAll) {
  halvane::test::TempFolder folder("repocopy-write");
  const std::string path = folder / "export.in";
  const Defs defs = EditorDefinitions();
  ASSERT_FALSE(WriteFile(path, Pointers(defs)));
  EXPECT_EQ(FileText(path), EditorFile());

  CBODefArray array;
  array.Add(defs[1].get());
  ASSERT_FALSE(WriteFile(path, array));
  Defs read;
  ASSERT_FALSE(ReadFile(path, read));
  ASSERT_EQ(read.size(), 1u);
  EXPECT_STREQ(read[0]->name(), "Address");

  const WriteError missing = WriteFile(folder / "no/folder/x.in", Pointers(defs));
  EXPECT_EQ(missing.kind, WriteError::kFile);
  EXPECT_EQ(missing.osError, ENOENT);
  EXPECT_NE(missing.message.Find("no/folder/x.in"), -1) << missing.message;
}

}  // namespace
}  // namespace repocopy_test
