// The validator and the save to the server: each rule with its line in the
// results pane, the warnings that do not count, the adjusted maximum
// length, the schema mode, the definitions used validated and saved first
// (each once, cycles included), the event id moved last, and the log-in
// made before anything else.
#include <DravonTestHooks.h>

#include <sstream>
#include <string>

#include "orvex_fixture.h"

namespace orvex_test {
namespace {

class ValidationTest : public OrvexTest {
 protected:
  // A new definition of the session with the verbs given.
  static CQRBusObjDef* Define(const std::string& name, const std::vector<std::string>& verbs = {"Create"}) {
    CQRBusObjDef* pDef = CDataManager::InitInstance()->GetBO(name.c_str(), 1, 0);
    for (const std::string& verb : verbs) pDef->AddVerb(verb.c_str(), "");
    return pDef;
  }
  static CBODefAttr& Add(CQRBusObjDef* pDef, const std::string& name, const std::string& type,
                         const std::string& maxLength = "10", const std::string& defaultValue = "") {
    CBODefAttr& attr = AddAttribute(pDef, name, type, maxLength);
    attr.SetDefaultValue(defaultValue.c_str());
    if (!attr.IsSimpleType()) attr.SetCardinality("1");
    return attr;
  }
  static CQRBusObjDef* DefineWithKey(const std::string& name) {
    CQRBusObjDef* pDef = Define(name);
    Add(pDef, "Id", "String").SetKey(TRUE);
    return pDef;
  }
  // The results pane's lines.
  std::vector<std::string> Lines() {
    std::vector<std::string> lines;
    std::istringstream in(Results());
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
    }
    return lines;
  }
  // The lines of a save that the validation stopped.
  std::vector<std::string> Rejected(CQRBusObjDef* pDef) {
    EXPECT_FALSE(App().SaveToServer(pDef));
    return Lines();
  }
  std::string MaxLengthOnServer(const std::string& name, const std::string& attribute) {
    delete CDataManager::PeekInstance();
    CDataManager* pDM = CDataManager::InitInstance();
    std::string value = "(none)";
    if (pDM->LogToServer(kServer, kUser, kPassword)) {
      if (const CQRBusObjDef* pDef = pDM->GetBO(name.c_str(), 0, 1)) {
        for (INT_PTR i = 0; i < pDef->GetAttrs().GetSize(); ++i) {
          if (attribute == static_cast<LPCTSTR>(pDef->GetAttrs()[i]->GetName()))
            value = static_cast<LPCTSTR>(pDef->GetAttrs()[i]->GetMaxLength());
        }
      }
    }
    delete pDM;
    return value;
  }
};

TEST_F(ValidationTest, VerbRulesAndTheEmptyDefinition) {
  RunScript(Login(), [&] {
    CQRBusObjDef* pVerbs = Define("Verbs", {"", "bad name", std::string(81, 'v'), "Create", "CREATE"});
    Add(pVerbs, "Id", "String").SetKey(TRUE);
    EXPECT_EQ(Rejected(pVerbs),
              (std::vector<std::string>{
                  "Validating...",
                  "Validating \"Verbs...\"",
                  "Error: The verb name is empty",
                  "Error: The verb name \"bad name\" contains invalid characters",
                  "Error: The verb name \"" + std::string(81, 'v') + "\" cannot be longer than 80 characters",
                  "Error: Multiple verbs have the same name",
                  "Validation Errors : 4",
              }));
    EXPECT_EQ(App().GetErrorCount(), 4);

    // Neither verbs nor attributes: two errors, one of each.
    EXPECT_EQ(Rejected(Define("Empty", {})), (std::vector<std::string>{
                                                 "Validating...",
                                                 "Validating \"Empty...\"",
                                                 "Error: Business object \"Empty\" must have at least 1 verb",
                                                 "Error: There are no key attributes in the business object \"Empty\"",
                                                 "Validation Errors : 2",
                                             }));
  });
  EXPECT_FALSE(OnServer("Verbs").exists);
  EXPECT_FALSE(OnServer("Empty").exists);
}

TEST_F(ValidationTest, AttributeRulesEachWithItsLine) {
  RunScript(Login(), [&] {
    CQRBusObjDef* pDef = DefineWithKey("Attrs");
    Add(pDef, "Name", "String");
    Add(pDef, "NAME", "String");
    Add(pDef, "", "String");
    Add(pDef, "bad name", "String");
    Add(pDef, std::string(81, 'a'), "String");
    Add(pDef, "Letters", "String", "12a");
    Add(pDef, "Negative", "String", "-1");
    Add(pDef, "TooLong", "String", "2147483648");
    Add(pDef, "Largest", "String", "2147483647");
    Add(pDef, "NoLength", "Integer", "");
    Add(pDef, "Untyped", "", "");
    DefineWithKey("Address");
    Add(pDef, "Home", "Address").SetCardinality("");
    EXPECT_EQ(Rejected(pDef),
              (std::vector<std::string>{
                  "Validating...",
                  "Validating \"Attrs...\"",
                  "Error: Multiple attributes have the same name \"Name\"",
                  "Error: Multiple attributes have the same name \"NAME\"",
                  "Error: The attribute name is empty",
                  "Error: The attribute name \"bad name\" contains invalid characters",
                  "Error: The attribute name \"" + std::string(81, 'a') + "\" cannot be longer than 80 characters",
                  "Error: The maximum length of attribute \"Letters\" can only have numeric values",
                  "Error: The maximum length of attribute \"Negative\" can only have numeric values",
                  "Error: The maximum length of attribute \"Negative should be greater than or equal to 0 and less "
                  "than 2147483647",
                  "Error: The maximum length of attribute \"TooLong should be greater than or equal to 0 and less "
                  "than 2147483647",
                  "Error: Type for attribute \"Untyped\" is not specified",
                  "Error: The cardinality of attribute \"Home\" is not specified",
                  "Validating \"Address...\"",
                  "Validation Errors : 11",
              }));
  });
}

TEST_F(ValidationTest, DefaultValuesAreWarnedAboutAndALongStringDefaultWidensItsField) {
  RunScript(Login(), [&] {
    CQRBusObjDef* pDef = DefineWithKey("Defaults");
    Add(pDef, "Half", "Integer", "", "1.5");
    Add(pDef, "Zero", "Integer", "", "0");
    Add(pDef, "Padded", "Integer", "", " 42\t");
    Add(pDef, "Signed", "Integer", "", "-0");
    Add(pDef, "Rate", "Float", "", "abc");
    Add(pDef, "Amount", "Double", "", "2.5e3");
    Add(pDef, "Flag", "Boolean", "", "yes");
    Add(pDef, "Set", "Boolean", "", "true");
    Add(pDef, "Born", "Date", "", "not a date");
    Add(pDef, "Since", "Date", "", "2002-01-31");
    Add(pDef, "Code", "String", "3", "ABCDEF");
    pDef->RemoveState(HvStateModified);
    // Warnings do not count: the run saves.
    EXPECT_TRUE(App().SaveToServer(pDef));
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "Validating...",
                           "Validating \"Defaults...\"",
                           "Warning: Default value of attribute \"Half\" may not be of the type \"Integer\"",
                           "Warning: Default value of attribute \"Signed\" may not be of the type \"Integer\"",
                           "Warning: Default value of attribute \"Rate\" may not be of the type \"Float\"",
                           "Warning: Default value of attribute \"Flag\" may not be of the type \"Boolean\"",
                           "Warning: Default value of attribute \"Born\" may not be of the type \"Date\"",
                           "Warning: The length of the default value of attribute \"Code\" exceeds the maximum "
                           "length specified for it. Adjusted.",
                           "Save completed for Defaults",
                       }));
    EXPECT_EQ(App().GetErrorCount(), 0);
    EXPECT_EQ(std::string(pDef->GetAttrs()[11]->GetMaxLength()), "7");

    // The widening changes the definition: it is marked, so that it is
    // saved and the close asks about it.
    CQRBusObjDef* pOther = DefineWithKey("Other");
    Add(pOther, "Code", "String", "2", "ABC");
    pOther->RemoveState(HvStateModified);
    EXPECT_TRUE(App().CheckBODef(pOther, COrvexApp::kNormalValidation));
    EXPECT_EQ(std::string(pOther->GetAttrs()[1]->GetMaxLength()), "4");
    EXPECT_EQ(pOther->GetState() & HvStateModified, HvStateModified);
    pOther->RemoveState(HvStateModified);
  });
  EXPECT_EQ(MaxLengthOnServer("Defaults", "Code"), "7");
}

TEST_F(ValidationTest, SchemaModeAsksForXmlNamesAndNeverTakesANameForAFormat) {
  RunScript(Login(), [&] {
    CQRBusObjDef* pDef = DefineWithKey("Schema");
    Add(pDef, "1st", "String");
    Add(pDef, "a%sb%d", "String");
    Add(pDef, "dotted.name", "String");
    Frame().ShowResults(TRUE);
    EXPECT_FALSE(App().CheckBODef(pDef, COrvexApp::kSchemaValidation));
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "Validating \"Schema...\"",
                           "Error: Attribute 1st is not a valid XML name. You can export this definition in "
                           "repository copy format, but not in XSD",
                           "Error: Attribute a%sb%d is not a valid XML name. You can export this definition in "
                           "repository copy format, but not in XSD",
                       }))
        << "a dotted name is an XML name";
    EXPECT_EQ(App().GetValidationErrors().GetSize(), 2);

    // The same definition for the server: its own name rules.
    EXPECT_EQ(Rejected(pDef), (std::vector<std::string>{
                                  "Validating...",
                                  "Validating \"Schema...\"",
                                  "Error: The attribute name \"1st\" contains invalid characters",
                                  "Error: The attribute name \"a%sb%d\" contains invalid characters",
                                  "Error: The attribute name \"dotted.name\" contains invalid characters",
                                  "Validation Errors : 3",
                              }));
  });
}

TEST_F(ValidationTest, TheDefinitionsUsedAreCheckedWithItAndSavedBeforeIt) {
  RunScript(Login(), [&] {
    CQRBusObjDef* pOrder = DefineWithKey("Order");
    Add(pOrder, "Buyer", "Customer");
    CQRBusObjDef* pCustomer = DefineWithKey("Customer");
    Add(pCustomer, "Home", "Address");
    CQRBusObjDef* pAddress = Define("Address");
    Add(pAddress, "Street", "String");
    EXPECT_EQ(Rejected(pOrder), (std::vector<std::string>{
                                    "Validating...",
                                    "Validating \"Order...\"",
                                    "Validating \"Customer...\"",
                                    "Validating \"Address...\"",
                                    "Error: There are no key attributes in the business object \"Address\"",
                                    "Validation Errors : 1",
                                }));
    for (const CQRBusObjDef* pDef : {pOrder, pCustomer, pAddress})
      EXPECT_EQ(pDef->GetState() & HvStateVisited, 0) << pDef->name(0);
    EXPECT_TRUE(App().m_mapVisited.IsEmpty());

    pAddress->GetAttrs()[0]->SetKey(TRUE);
    EXPECT_TRUE(App().SaveToServer(pOrder));
    const std::vector<std::string> lines = Lines();
    EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
              (std::vector<std::string>{"Save completed for Address", "Save completed for Customer",
                                        "Save completed for Order"}));
    for (const CQRBusObjDef* pDef : {pOrder, pCustomer, pAddress})
      EXPECT_EQ(pDef->GetState() & (HvStateVisited | HvStateNew), 0) << pDef->name(0);

    // A failed save of a used definition stops the run.
    dravon::test::RefuseSave(true);
    EXPECT_FALSE(App().SaveToServer(pOrder));
    EXPECT_EQ(Lines().back(), "Save cannot be completed for Address");
    dravon::test::RefuseSave(false);
  });
  EXPECT_EQ(OnServer("Order").attributes, (std::vector<std::string>{"Id:String", "Buyer:Customer"}));
  EXPECT_TRUE(OnServer("Customer").exists);
  EXPECT_EQ(OnServer("Address").attributes, std::vector<std::string>{"Street:String"});
}

TEST_F(ValidationTest, DefinitionsThatUseEachOtherAreEachCheckedAndSavedOnce) {
  RunScript(Login(), [&] {
    CQRBusObjDef* pParent = DefineWithKey("Parent");
    Add(pParent, "Child", "Kid");
    CQRBusObjDef* pKid = DefineWithKey("Kid");
    Add(pKid, "Back", "Parent");
    EXPECT_TRUE(App().SaveToServer(pParent));
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "Validating...",
                           "Validating \"Parent...\"",
                           "Validating \"Kid...\"",
                           "Save completed for Kid",
                           "Save completed for Parent",
                       }));
    EXPECT_EQ(pParent->GetState() & HvStateVisited, 0);
    EXPECT_EQ(pKid->GetState() & HvStateVisited, 0);

    // Marks left on a cycle are cleared however the walk enters it.
    pParent->AddState(HvStateVisited);
    pKid->AddState(HvStateVisited);
    CBODefArray start;
    start.Add(pKid);
    App().ClearStateBits(start, HvStateVisited);
    EXPECT_EQ((pParent->GetState() | pKid->GetState()) & HvStateVisited, 0);
  });
  EXPECT_EQ(OnServer("Kid").attributes, (std::vector<std::string>{"Id:String", "Back:Parent"}));
}

TEST_F(ValidationTest, TheEventIdGoesLastWhenSaved) {
  RunScript(Login(), [&] {
    CQRBusObjDef* pDef = DefineWithKey("Events");
    Add(pDef, CBODefAttr::ATTR_OBJECT_EVENT_ID, "String", "");
    Add(pDef, "Three", "String");
    Add(pDef, "Four", "String");
    Add(pDef, "Five", "String");
    EXPECT_TRUE(App().SaveToServer(pDef));
    std::vector<std::string> order;
    for (INT_PTR i = 0; i < pDef->GetAttrs().GetSize(); ++i) {
      order.push_back(std::string(pDef->GetAttrs()[i]->GetName()) + "@" +
                      std::to_string(pDef->GetAttrs()[i]->GetPosition()));
    }
    EXPECT_EQ(order, (std::vector<std::string>{"Id@1", "Three@2", "Four@3", "Five@4", "ObjectEventId@5"}));
  });
  EXPECT_EQ(OnServer("Events").attributes.back(), "ObjectEventId:String");
}

TEST_F(ValidationTest, WithoutASessionTheLogInComesFirstAndItsCancelEndsTheSave) {
  RunScript({std::string("-u") + kUser, std::string("-p") + kPassword}, [&] {
    CQRBusObjDef* pDef = DefineWithKey("Offline");
    CancelLogin();
    EXPECT_FALSE(App().SaveToServer(pDef));
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Validating...", "Save cannot be completed for Offline"}))
        << "nothing was validated or tried";
    EXPECT_FALSE(App().IsConnected());
    EXPECT_EQ(pDef->GetState() & HvStateNew, HvStateNew);

    AnswerLogin({.server = kServer});
    EXPECT_TRUE(App().SaveToServer(pDef));
    EXPECT_TRUE(App().IsConnected());
    EXPECT_EQ(Lines().back(), "Save completed for Offline");
  });
  EXPECT_TRUE(OnServer("Offline").exists);
}

}  // namespace
}  // namespace orvex_test
