// The instance editor's sequence of calls: making children from the
// session's definitions, walking rows, adding, removing and verbs.
#include <string>

#include "BusObjContainer.h"
#include "BusinessObject.h"
#include "fennick_test_support.h"

namespace {

using fennick_test::FennickTest;

class EditorFlowTest : public FennickTest {
 protected:
  void SetUp() override {
    FennickTest::SetUp();
    DefineCustomer();
  }
  // What the editor does for Add Instance.
  BusinessObject* CreateChild(const char* typeName) {
    CQRBusObjDef* def = Dm().GetBO(typeName, 1, 1);
    if (BusObjSpec* spec = BusObjSpecDirectory::getTheBusObjSpecDirectory()->find(def->name())) {
      const CBODefVerbArray& verbs = def->GetVerbs(0);
      for (INT_PTR i = 0; i < verbs.GetSize(); ++i) spec->addVerbsList(charStr(verbs[i]->GetName()));
    }
    auto* child = new BusinessObject(typeName);
    child->setDefaultAttrValues();
    return child;
  }
  // The rows the editor would show: "name[card]" or "name", depth first.
  static void Rows(BusinessObject* object, const std::string& indent, std::string& out) {
    for (int i = 0; i < object->getAttrCount(); ++i) {
      BOAttrType* desc = object->getAttrDesc(i);
      out += indent + desc->getName();
      if (desc->isMultipleCard()) out += std::string("[") + desc->getCardinality() + "]";
      void* value = object->getAttrValue(i);
      if (desc->getTypeNum() != 0) {
        out += std::string("=") + (value != nullptr ? static_cast<const char*>(value) : "") + "\n";
      } else if (desc->isMultipleCard()) {
        out += "\n";
        auto* container = static_cast<BusObjContainer*>(value);
        for (int e = 0; container != nullptr && e < container->getObjectCount(); ++e) {
          const char* verb = container->getObject(e)->getVerb();
          out += indent + "  [" + std::to_string(e) + "]." + (verb != nullptr ? verb : "<none>") + "\n";
          Rows(container->getObject(e), indent + "    ", out);
        }
      } else {
        out += "\n";
        if (value != nullptr) Rows(static_cast<BusinessObject*>(value), indent + "  ", out);
      }
    }
  }
  static std::string Rows(BusinessObject* object) {
    std::string out;
    Rows(object, "", out);
    return out;
  }
};

TEST_F(EditorFlowTest, RowsFollowAttributesChildrenAndContainerElements) {
  BusinessObject customer("Customer");
  ASSERT_EQ(customer.setAttrText(0, "Ann"), BO_OK);
  ASSERT_EQ(customer.setAttributeValue(2, CreateChild("Address"), 0), BO_OK);
  ASSERT_EQ(customer.setAttributeValue(3, CreateChild("Address"), 0), BO_OK);
  auto* shipping = static_cast<BusObjContainer*>(customer.getAttrValue(3));
  BusinessObject* second = CreateChild("Address");
  second->setVerb("Create");
  // After the selected element 0.
  ASSERT_EQ(shipping->insertObjectAt(1, second), BO_OK);
  EXPECT_EQ(Rows(&customer),
            "Name=Ann\n"
            "Age=\n"
            "Home\n"
            "  Street=Main\n  Zip=12345\n  Verified=\n"
            "Shipping[N]\n"
            "  [0].<none>\n"
            "    Street=Main\n    Zip=12345\n    Verified=\n"
            "  [1].Create\n"
            "    Street=Main\n    Zip=12345\n    Verified=\n"
            "Since=\n");
}

TEST_F(EditorFlowTest, ClearingACellToNothingClearsTheAttribute) {
  BusinessObject* home = CreateChild("Address");
  BusinessObject customer("Customer");
  ASSERT_EQ(customer.setAttributeValue(2, home, 0), BO_OK);
  ASSERT_NE(home->getAttrValue(0), nullptr);
  ASSERT_EQ(home->setAttributeValue(0, nullptr, home->getAttrDesc(0)->getTypeNum()), BO_OK);
  EXPECT_EQ(home->getAttrValue(0), nullptr);
}

TEST_F(EditorFlowTest, VerbsOfTheDefinitionAreSupportedAndOthersAreNot) {
  BusinessObject* child = CreateChild("Address");
  BusinessObject customer("Customer");
  ASSERT_EQ(customer.setAttributeValue(2, child, 0), BO_OK);
  EXPECT_EQ(child->getVerb(), nullptr);
  EXPECT_TRUE(child->getTheSpec()->isVerbSupported("Retrieve"));
  EXPECT_FALSE(child->getTheSpec()->isVerbSupported("Update"));
}

TEST_F(EditorFlowTest, AChildOfATypeTheServerLacksIsAnEmptyObject) {
  BusinessObject* child = CreateChild("Unsaved");
  EXPECT_EQ(child->getAttrCount(), 0);
  EXPECT_STREQ(child->getTheSpec()->getName(), "Unsaved");
  EXPECT_FALSE(child->getTheSpec()->isVerbSupported("Create"));
  delete child;
}

TEST_F(EditorFlowTest, RemoveInstanceAndRemoveAllEmptyTheContainerButKeepIt) {
  BusinessObject customer("Customer");
  ASSERT_EQ(customer.setAttributeValue(3, CreateChild("Address"), 0), BO_OK);
  auto* shipping = static_cast<BusObjContainer*>(customer.getAttrValue(3));
  ASSERT_EQ(shipping->insertObjectAt(0, CreateChild("Address")), BO_OK);
  ASSERT_EQ(shipping->removeObjectAt(0), BO_OK);
  EXPECT_EQ(shipping->getObjectCount(), 1);
  shipping->removeAllObjects();
  EXPECT_EQ(customer.getAttrValue(3), shipping);
  EXPECT_EQ(shipping->getObjectCount(), 0);
}

}  // namespace
