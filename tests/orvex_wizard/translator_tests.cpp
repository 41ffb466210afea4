// Export and import through the real schema translator: the JVM runs
// lib/Halvane.jar of the build tree.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "RepositoryCopyBO.h"
#include "broker_fixture.h"
#include "schema_check.h"
#include "win32/services.h"

namespace brokertest {
namespace {

using Definitions = std::vector<std::unique_ptr<CQRBusObjDef>>;

const std::string kNamespace = "http://schemas.halvane.example/2002/BOSchema/";

// An attribute sub-block of the text below; the fields in the order given.
std::string Attribute(const std::vector<std::string>& fields) {
  std::string block = "\n\t[Attribute]\n";
  for (const std::string& field : fields) block += "\t" + field + "\n";
  return block + "\t[End]\n";
}

// Two definitions written by hand with every field the format has: one
// holds the other (once and many times) and itself, values carry markup
// characters, tabs, trailing blanks and UTF-8.
const std::string kDefinitions =
    "[Pellisk]\nVersion = 3.0.0\n[End]\n"
    "[BusinessObjectDefinition]\nName = Address\nVersion = 1.0.0\n"
    "AppSpecificInfo = table=addr; key=\"Id\" <pk> & 'more'\n" +
    Attribute({"Name = Id", "Type = Integer", "MaxLength = 10", "IsKey = true", "IsForeignKey = false",
               "IsRequired = true", "AppSpecificInfo = col=ID", "IsRequiredServerBound = false",
               "Comments = the primary key"}) +
    Attribute({"Name = Street", "Type = String", "MaxLength = 40", "IsKey = false", "IsForeignKey = false",
               "IsRequired = false", "DefaultValue = Main Street <1> & \"2\"", "IsRequiredServerBound = false",
               "Comments = a\ttab and two trailing blanks  "}) +
    Attribute({"Name = Note", "Type = LongText", "MaxLength = ", "IsKey = TRUE", "IsForeignKey = false",
               "IsRequired = false", "IsRequiredServerBound = false"}) +
    Attribute({"Name = ObjectEventId", "Type = String", "MaxLength = 255", "IsKey = false", "IsForeignKey = false",
               "IsRequired = false", "IsRequiredServerBound = false"}) +
    "\n\t[Verb]\n\tName = Create\n\tAppSpecificInfo = insert into addr\n\t[End]\n"
    "\n\t[Verb]\n\tName = Retrieve\n\t[End]\n"
    "[End]\n"
    "[BusinessObjectDefinition]\nName = Customer\nVersion = 3.0.0\n" +
    Attribute({"Name = CustomerId", "Type = String", "Cardinality = 1", "MaxLength = 3", "IsKey = true",
               "IsForeignKey = false", "IsRequired = true", "DefaultValue = ABCDEF", "IsRequiredServerBound = false"}) +
    Attribute({"Name = Secret", "Type = Cipher text", "MaxLength = 64", "IsKey = false", "IsForeignKey = false",
               "IsRequired = false", "IsRequiredServerBound = false"}) +
    Attribute({"Name = Born", "Type = Date", "MaxLength = 0", "IsKey = false", "IsForeignKey = false",
               "IsRequired = false", "DefaultValue = 2002-01-31", "IsRequiredServerBound = false"}) +
    Attribute({"Name = Active", "Type = Boolean", "MaxLength = 1", "IsKey = false", "IsForeignKey = false",
               "IsRequired = false", "DefaultValue = true", "IsRequiredServerBound = false"}) +
    Attribute({"Name = Rating", "Type = Float", "MaxLength = 8", "IsKey = false", "IsForeignKey = false",
               "IsRequired = false", "IsRequiredServerBound = false"}) +
    Attribute({"Name = Balance", "Type = Double", "MaxLength = 16", "IsKey = false", "IsForeignKey = false",
               "IsRequired = false", "DefaultValue = 1.5", "IsRequiredServerBound = false"}) +
    Attribute({"Name = Home", "Type = Address", "ContainedObjectVersion = 1.0.0", "Relationship = Containment",
               "Cardinality = 1", "MaxLength = 1", "IsKey = false", "IsForeignKey = true", "IsRequired = true",
               "AppSpecificInfo = fk=home_id", "IsRequiredServerBound = false"}) +
    Attribute({"Name = Previous", "Type = Address", "ContainedObjectVersion = ", "Relationship = ", "Cardinality = n",
               "MaxLength = 1", "IsKey = false", "IsForeignKey = false", "IsRequired = false",
               "IsRequiredServerBound = false"}) +
    Attribute({"Name = Referrer", "Type = customer", "ContainedObjectVersion = 3.0.0", "Relationship = Association",
               "Cardinality = 1", "MaxLength = 1", "IsKey = false", "IsForeignKey = false", "IsRequired = false",
               "IsRequiredServerBound = false"}) +
    Attribute({"Name = Nickname", "Type = String", "Relationship = unusual", "MaxLength = 20", "IsKey = false",
               "IsForeignKey = false", "IsRequired = false", "IsRequiredServerBound = false"}) +
    Attribute({"Name = Straße", "Type = String", "MaxLength = 30", "IsKey = false", "IsForeignKey = false",
               "IsRequired = false", "IsRequiredServerBound = false", "Comments = Grüße aus 東京"}) +
    Attribute({"Name = ObjectEventId", "Type = String", "MaxLength = 255", "IsKey = false", "IsForeignKey = false",
               "IsRequired = false", "IsRequiredServerBound = false"}) +
    "\n\t[Verb]\n\tName = Create\n\tAppSpecificInfo = a=b [c] {d}\n\t[End]\n"
    "\n\t[Verb]\n\tName = Update\n\t[End]\n"
    "\n\t[Property]\n\tName = BO_SPEC_PROPERTY\n\tAttrName = Table\n\tAttrType = String\n"
    "\tAttrValue = CUSTOMERS\n\tAttrDescription = \n\tAttrName = Owner\n\tAttrValue = dbo\n\t[End]\n"
    "[End]\n";

Definitions Read(const std::string& text) {
  Definitions defs;
  dravon::repocopy::LineReader in{std::string_view(text)};
  const dravon::repocopy::Error error = dravon::repocopy::ReadDefinitions(in, defs);
  EXPECT_FALSE(error) << dravon::repocopy::ErrorText(error).str();
  return defs;
}

std::string Written(const Definitions& defs) {
  std::vector<const CQRBusObjDef*> pointers;
  for (const auto& def : defs) pointers.push_back(def.get());
  std::string text;
  EXPECT_FALSE(dravon::repocopy::WriteText(text, pointers));
  return text;
}

void ExpectSameAttribute(const CBODefAttr& a, const CBODefAttr& b) {
  SCOPED_TRACE(a.GetName().str());
  EXPECT_EQ(a.GetPosition(), b.GetPosition());
  EXPECT_EQ(a.GetName(), b.GetName());
  EXPECT_EQ(a.GetTypeName(), b.GetTypeName());
  EXPECT_EQ(a.IsSimpleType(), b.IsSimpleType());
  EXPECT_EQ(a.IsKey(), b.IsKey());
  EXPECT_EQ(a.IsForeignKey(), b.IsForeignKey());
  EXPECT_EQ(a.IsRequired(), b.IsRequired());
  EXPECT_EQ(a.GetCardinality(), b.GetCardinality());
  EXPECT_EQ(a.GetMaxLength(), b.GetMaxLength());
  EXPECT_EQ(a.GetDefaultValue(), b.GetDefaultValue());
  EXPECT_EQ(a.GetAppInfo(), b.GetAppInfo());
  EXPECT_EQ(a.GetComments(), b.GetComments());
  EXPECT_EQ(a.GetRelationship(), b.GetRelationship());
  EXPECT_EQ(a.GetContainedObjectVersion(), b.GetContainedObjectVersion());
}

void ExpectSameDefinitions(const Definitions& expected, const Definitions& actual) {
  ASSERT_EQ(expected.size(), actual.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    const CQRBusObjDef& a = *expected[i];
    const CQRBusObjDef& b = *actual[i];
    SCOPED_TRACE(a.name());
    EXPECT_STREQ(a.name(), b.name());
    EXPECT_EQ(a.GetVersion(), b.GetVersion());
    EXPECT_EQ(a.GetAppInfo(), b.GetAppInfo());
    ASSERT_EQ(a.GetAttrs().GetSize(), b.GetAttrs().GetSize());
    for (INT_PTR k = 0; k < a.GetAttrs().GetSize(); ++k) ExpectSameAttribute(*a.GetAttrs()[k], *b.GetAttrs()[k]);
    ASSERT_EQ(a.GetVerbs().GetSize(), b.GetVerbs().GetSize());
    for (INT_PTR k = 0; k < a.GetVerbs().GetSize(); ++k) {
      EXPECT_EQ(a.GetVerbs()[k]->GetName(), b.GetVerbs()[k]->GetName());
      EXPECT_EQ(a.GetVerbs()[k]->GetAppInfo(), b.GetVerbs()[k]->GetAppInfo());
    }
    ASSERT_EQ(a.GetProperties().GetSize(), b.GetProperties().GetSize());
    for (INT_PTR k = 0; k < a.GetProperties().GetSize(); ++k) EXPECT_EQ(a.GetProperties()[k], b.GetProperties()[k]);
  }
}

class TranslatorTest : public BrokerTest {
 protected:
  void SetUp() override {
    BrokerTest::SetUp();
    REQUIRE_TRANSLATOR();
  }

  std::string xsd(const std::string& name) const { return out_ / (name + ".xsd"); }

  // Runs the translator with these arguments after its class; its exit code.
  DWORD RunTranslator(const std::string& arguments) {
    const std::string home = HALVANE_BUILD_DIR;
    std::string command = "java.exe -cp " + home + "/lib/xerces.jar:" + home +
                          "/lib/Halvane.jar Velmora.Translators.TransBusObjWorkspace " + arguments;
    STARTUPINFO startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcess(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
      ADD_FAILURE() << "java did not start";
      return 0;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
  }
};

TEST_F(TranslatorTest, ExportAndImportBackKeepEveryField) {
  CKBRXExportTransaction transaction(&owner_);
  ASSERT_EQ(0, transaction.Export(out_.path().c_str(), kDefinitions.c_str())) << testing::PrintToString(owner_.texts);
  ASSERT_EQ(2, transaction.GetFileList().GetSize());
  EXPECT_EQ(xsd("Address"), transaction.GetFileList()[0].str());
  EXPECT_EQ(xsd("Customer"), transaction.GetFileList()[1].str());
  EXPECT_EQ((std::vector<std::string>{"Address.xsd", "Customer.xsd"}), FolderNames(out_.path()));
  EXPECT_TRUE(FolderNames(temp_.path()).empty());

  // The schema of a definition brings the schemas of those it holds.
  CString text;
  ASSERT_EQ(0, transaction.Import(xsd("Customer").c_str(), text));
  EXPECT_EQ(0u, text.str().find("[Pellisk]\nVersion = 3.0.0\n[End]\n[BusinessObjectDefinition]\r\nName = Address\r\n"));
  EXPECT_TRUE(FolderNames(temp_.path()).empty());
  const Definitions original = Read(kDefinitions);
  const Definitions imported = Read(text.str());
  ExpectSameDefinitions(original, imported);
  EXPECT_EQ(Written(original), Written(imported));
  EXPECT_TRUE(owner_.texts.empty());
}

TEST_F(TranslatorTest, SchemasAreValidAndDescribeTheDefinitions) {
  CKBRXExportTransaction transaction(&owner_);
  ASSERT_EQ(0, transaction.Export(out_.path().c_str(), kDefinitions.c_str()));
  EXPECT_EQ(std::vector<std::string>(), SchemaProblems(xsd("Address")));
  EXPECT_EQ(std::vector<std::string>(), SchemaProblems(xsd("Customer")));
  const std::string customer = ReadFile(xsd("Customer"));
  EXPECT_NE(std::string::npos, customer.find("targetNamespace=\"" + kNamespace + "Customer\""));
  EXPECT_NE(std::string::npos,
            customer.find("<xsd:import namespace=\"" + kNamespace + "Address\" schemaLocation=\"Address.xsd\"/>"));

  // An instance: the required elements, in attribute order.
  const auto instance = [&](const std::string& id) {
    return "<c:Customer xmlns:c=\"" + kNamespace + "Customer\" xmlns:a=\"" + kNamespace +
           "Address\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xsi:schemaLocation=\"" + kNamespace +
           "Customer " + xsd("Customer") + "\"><c:CustomerId>" + id +
           "</c:CustomerId><c:Born>2002-01-31T10:00:00</c:Born><c:Home><a:Id>7</a:Id><a:Street>Main</a:Street>"
           "</c:Home><c:Previous><a:Id>1</a:Id></c:Previous><c:Previous><a:Id>2</a:Id></c:Previous>"
           "<c:Straße>Hauptstraße</c:Straße></c:Customer>";
  };
  WriteFile(out_ / "good.xml", instance("C01"));
  EXPECT_EQ(std::vector<std::string>(), InstanceProblems(out_ / "good.xml"));
  // CustomerId takes three characters at most.
  WriteFile(out_ / "long.xml", instance("C0001"));
  EXPECT_EQ(1u, InstanceProblems(out_ / "long.xml").size());
}

TEST_F(TranslatorTest, FindingsOfTheTranslatorAreResult15AndNoSchemaIsWritten) {
  const std::string text = "[Pellisk]\nVersion = 3.0.0\n[End]\n[BusinessObjectDefinition]\nName = Customer\n" +
                           Attribute({"Name = Home", "Type = Phone", "MaxLength = 1"}) +
                           Attribute({"Name = First Name", "Type = String", "MaxLength = 1"}) +
                           Attribute({"Name = Note", "Type = String", "MaxLength = 1", "Comments = bell \a"}) +
                           "[End]\n";
  CKBRXExportTransaction transaction(&owner_);
  EXPECT_EQ(15, transaction.Export(out_.path().c_str(), text.c_str()));
  ASSERT_EQ(1u, owner_.texts.size());
  EXPECT_EQ(
      "Phone (the type of attribute Home of Customer)\n"
      "Customer: the attribute name \"First Name\" is not a valid XML name\n"
      "Customer: the comments of attribute Note holds the character U+0007, which XML cannot carry\n",
      owner_.texts[0]);
  EXPECT_TRUE(FolderNames(out_.path()).empty());
  EXPECT_TRUE(FolderNames(temp_.path()).empty());
}

TEST_F(TranslatorTest, AFaultOfTheTextIsAFindingWithItsLine) {
  const std::string text =
      "[Pellisk]\nVersion = 3.0.0\n[End]\n[BusinessObjectDefinition]\nName = Customer\n\n"
      "\t[Attribute]\n\tName = Id\n\tColour = red\n\t[End]\n[End]\n";
  CKBRXExportTransaction transaction(&owner_);
  EXPECT_EQ(15, transaction.Export(out_.path().c_str(), text.c_str()));
  EXPECT_EQ((std::vector<std::string>{"Line 9: Unknown field name Colour encountered\n"}), owner_.texts);
  owner_.texts.clear();
  EXPECT_EQ(15, transaction.Export(out_.path().c_str(), "[Pellisk]\nVersion = 3.0.0\n[End]\n"));
  EXPECT_EQ((std::vector<std::string>{"The text does not contain any Business Object definitions\n"}), owner_.texts);
}

TEST_F(TranslatorTest, AFolderThatCannotBeWrittenIsResult16) {
  CKBRXExportTransaction transaction(&owner_);
  EXPECT_EQ(16, transaction.Export((out_ / "missing").c_str(), kDefinitions.c_str()));
  std::filesystem::create_directory(xsd("Address"));
  EXPECT_EQ(16, transaction.Export(out_.path().c_str(), kDefinitions.c_str()));
  EXPECT_EQ(0, transaction.GetFileList().GetSize());
  EXPECT_TRUE(Exists(temp("msword")));
}

TEST_F(TranslatorTest, ASchemaThatCannotBeReadIsResult20) {
  CKBRXExportTransaction transaction(&owner_);
  CString text;
  EXPECT_EQ(20, transaction.Import(xsd("Missing").c_str(), text));
  WriteFile(xsd("Plain"), "not XML at all");
  EXPECT_EQ(20, transaction.Import(xsd("Plain").c_str(), text));
  WriteFile(xsd("Html"), "<html><body/></html>");
  EXPECT_EQ(20, transaction.Import(xsd("Html").c_str(), text));
  // A schema whose dependency is gone.
  ASSERT_EQ(0, transaction.Export(out_.path().c_str(), kDefinitions.c_str()));
  std::filesystem::remove(xsd("Address"));
  EXPECT_EQ(20, transaction.Import(xsd("Customer").c_str(), text));
  // A document type could reach out to other files: it is refused.
  WriteFile(xsd("Entity"),
            "<?xml version=\"1.0\"?><!DOCTYPE x [<!ENTITY e SYSTEM \"/etc/hostname\">]>"
            "<xsd:schema xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\"/>");
  EXPECT_EQ(20, transaction.Import(xsd("Entity").c_str(), text));
  EXPECT_TRUE(text.IsEmpty());
}

TEST_F(TranslatorTest, ASchemaOfAnotherToolIsReadFromItsStructure) {
  WriteFile(
      xsd("Order"),
      "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" xmlns:t=\"urn:shop\" targetNamespace=\"urn:shop\">"
      "<xs:simpleType name=\"Code\"><xs:restriction base=\"xs:token\"><xs:maxLength value=\"5\"/>"
      "</xs:restriction></xs:simpleType>"
      "<xs:complexType name=\"Line\"><xs:sequence><xs:element name=\"Qty\" type=\"xs:int\"/></xs:sequence>"
      "</xs:complexType>"
      "<xs:element name=\"Order\"><xs:complexType><xs:sequence>"
      "<xs:element name=\"Number\" type=\"t:Code\"/>"
      "<xs:element name=\"Placed\" type=\"xs:date\" minOccurs=\"0\"/>"
      "<xs:element name=\"Note\" minOccurs=\"0\" default=\"none\"><xs:simpleType>"
      "<xs:restriction base=\"xs:string\"><xs:maxLength value=\"80\"/></xs:restriction></xs:simpleType>"
      "</xs:element>"
      "<xs:element name=\"Lines\" type=\"t:Line\" maxOccurs=\"unbounded\"/>"
      "</xs:sequence></xs:complexType></xs:element></xs:schema>");
  CKBRXExportTransaction transaction(&owner_);
  CString text;
  ASSERT_EQ(0, transaction.Import(xsd("Order").c_str(), text));
  const Definitions defs = Read(text.str());
  ASSERT_EQ(2u, defs.size());
  EXPECT_STREQ("Line", defs[0]->name());
  const CQRBusObjDef& order = *defs[1];
  EXPECT_STREQ("Order", order.name());
  EXPECT_EQ("1.0.0", order.GetVersion().str());
  ASSERT_EQ(4, order.GetAttrs().GetSize());
  const CBODefAttr& number = *order.GetAttrs()[0];
  EXPECT_EQ("String", number.GetTypeName().str());
  EXPECT_EQ("5", number.GetMaxLength().str());
  EXPECT_TRUE(number.IsRequired());
  const CBODefAttr& placed = *order.GetAttrs()[1];
  EXPECT_EQ("Date", placed.GetTypeName().str());
  EXPECT_FALSE(placed.IsRequired());
  const CBODefAttr& note = *order.GetAttrs()[2];
  EXPECT_EQ("80", note.GetMaxLength().str());
  EXPECT_EQ("none", note.GetDefaultValue().str());
  const CBODefAttr& lines = *order.GetAttrs()[3];
  EXPECT_EQ("Line", lines.GetTypeName().str());
  EXPECT_FALSE(lines.IsSimpleType());
  EXPECT_EQ("n", lines.GetCardinality().str());
  EXPECT_EQ("Integer", defs[0]->GetAttrs()[0]->GetTypeName().str());
}

TEST_F(TranslatorTest, TheTranslatorIgnoresTrailingRedirectionsOnly) {
  CKBRXExportTransaction transaction(&owner_);
  ASSERT_EQ(0, transaction.Export(out_.path().c_str(), kDefinitions.c_str()));
  const std::string output = temp_ / "out.txt";
  const std::string command = "r \"" + xsd("Address") + "\" unused " + (temp_ / "in.txt") + " " + output;
  // An exit status of 8 bits carries 400 as 144.
  EXPECT_EQ(144u, RunTranslator(command));
  EXPECT_EQ(144u, RunTranslator(command + " > experr.txt 2>&1"));
  EXPECT_EQ(144u, RunTranslator(command + " >>log.txt 2>errors.txt"));
  EXPECT_EQ(1u, RunTranslator(command + " extra"));
  EXPECT_EQ(1u, RunTranslator(command + " > experr.txt 2>&1 extra"));
  EXPECT_EQ(1u, RunTranslator(command + " >"));
  EXPECT_EQ(1u, RunTranslator("r \"" + xsd("Address") + "\" unused"));
  EXPECT_EQ(1u, RunTranslator("x a b c d"));
  EXPECT_NE(std::string::npos, ReadFile(output).find("Name = Address\r\n"));
  EXPECT_FALSE(Exists(temp_ / "experr.txt"));
}

}  // namespace
}  // namespace brokertest
