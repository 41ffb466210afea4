// Instances: simple values, child objects, defaults, verbs and copies.
#include <cstring>
#include <string>

#include "BusObjContainer.h"
#include "BusObjException.h"
#include "BusinessObject.h"
#include "fennick_test_support.h"

namespace {

using fennick_test::FennickTest;

// Attribute indexes of the test definitions.
constexpr int kName = 0, kAge = 1, kHome = 2, kShipping = 3, kSince = 4;
constexpr int kStreet = 0, kZip = 1, kVerified = 2;

class InstanceTest : public FennickTest {
 protected:
  void SetUp() override {
    FennickTest::SetUp();
    DefineCustomer();
  }
  static void* Text(const char* text) { return const_cast<char*>(text); }
};

TEST_F(InstanceTest, ANewObjectHasItsTypesAttributesAndNoValues) {
  BusinessObject customer("Customer");
  ASSERT_NE(customer.getTheSpec(), nullptr);
  EXPECT_STREQ(customer.getTheSpec()->getName(), "Customer");
  EXPECT_EQ(customer.getTheSpec(), Directory().find("Customer"));
  ASSERT_EQ(customer.getAttrCount(), 5);
  EXPECT_STREQ(customer.getAttrDesc(kShipping)->getName(), "Shipping");
  for (int i = 0; i < customer.getAttrCount(); ++i) EXPECT_EQ(customer.getAttrValue(i), nullptr) << i;
  EXPECT_EQ(customer.getVerb(), nullptr);
  EXPECT_FALSE(customer.hasOwner());
}

TEST_F(InstanceTest, ATypeWithoutDescriptionThrows) {
  EXPECT_THROW(BusinessObject("Missing"), BusObjException);
  EXPECT_THROW(BusinessObject(static_cast<const char*>(nullptr)), BusObjException);
  EXPECT_THROW(BusinessObject(std::shared_ptr<BusObjSpec>()), BusObjException);
}

TEST_F(InstanceTest, SimpleValuesAreSetAndReadByIndexAndName) {
  BusinessObject customer("Customer");
  EXPECT_EQ(customer.setAttributeValue(kName, Text("Ann"), BOAttrType::STRING), BO_OK);
  EXPECT_EQ(customer.setAttributeValue("age", Text("42"), BOAttrType::INTEGER), BO_OK);
  EXPECT_STREQ(static_cast<const char*>(customer.getAttrValue(kName)), "Ann");
  EXPECT_STREQ(static_cast<const char*>(customer.getAttrValue("Age")), "42");
  EXPECT_STREQ(customer.getAttrText(kAge), "42");
  EXPECT_EQ(customer.getAttrValue("Nothing"), nullptr);
  EXPECT_EQ(customer.setAttrText(kSince, "20240101 080000"), BO_OK);
  EXPECT_STREQ(customer.getAttrText(kSince), "20240101 080000");
}

TEST_F(InstanceTest, TheValueIsTheObjectsOwnCopyOfTheText) {
  BusinessObject customer("Customer");
  std::string text = "Ann";
  ASSERT_EQ(customer.setAttrText(kName, text.c_str()), BO_OK);
  text = "Bob";
  EXPECT_STREQ(customer.getAttrText(kName), "Ann");
  // Setting the pointer read from the object keeps it.
  void* same = customer.getAttrValue(kName);
  EXPECT_EQ(customer.setAttributeValue(kName, same, BOAttrType::STRING), BO_OK);
  EXPECT_EQ(customer.getAttrValue(kName), same);
  EXPECT_STREQ(customer.getAttrText(kName), "Ann");
}

TEST_F(InstanceTest, ANullValueClearsAndAnEmptyTextIsAValue) {
  BusinessObject customer("Customer");
  ASSERT_EQ(customer.setAttrText(kName, ""), BO_OK);
  ASSERT_NE(customer.getAttrValue(kName), nullptr);
  EXPECT_STREQ(customer.getAttrText(kName), "");
  EXPECT_EQ(customer.setAttributeValue(kName, nullptr, BOAttrType::STRING), BO_OK);
  EXPECT_EQ(customer.getAttrValue(kName), nullptr);
  EXPECT_EQ(customer.setAttrText(kAge, nullptr), BO_OK);
  EXPECT_EQ(customer.getAttrValue(kAge), nullptr);
}

TEST_F(InstanceTest, BadValuesAreRefusedAndLeaveTheOldValue) {
  BusinessObject customer("Customer");
  ASSERT_EQ(customer.setAttrText(kAge, "7"), BO_OK);
  EXPECT_EQ(customer.setAttrText(kAge, "seven"), BO_BAD_FORMAT);
  EXPECT_EQ(customer.setAttrText(kAge, ""), BO_BAD_FORMAT);
  EXPECT_EQ(customer.setAttributeValue(kAge, Text("8"), BOAttrType::STRING), BO_BAD_TYPE);
  EXPECT_EQ(customer.setAttrText(kSince, "20230230"), BO_BAD_FORMAT);
  EXPECT_STREQ(customer.getAttrText(kAge), "7");
  EXPECT_EQ(customer.getAttrValue(kSince), nullptr);
  EXPECT_EQ(customer.setAttributeValue(5, Text("x"), BOAttrType::STRING), BO_BAD_INDEX);
  EXPECT_EQ(customer.setAttributeValue(-1, nullptr, BOAttrType::STRING), BO_BAD_INDEX);
  EXPECT_EQ(customer.setAttributeValue("Nothing", Text("x"), BOAttrType::STRING), BO_BAD_INDEX);
  EXPECT_EQ(customer.setAttrText(kHome, "text"), BO_BAD_TYPE);
}

TEST_F(InstanceTest, TextsLongerThanTheMaximumAreRefused) {
  BusinessObject address("Address");
  EXPECT_EQ(address.setAttrText(kStreet, "0123456789"), BO_OK);
  EXPECT_EQ(address.setAttrText(kStreet, "0123456789A"), BO_TOO_LONG);
  EXPECT_STREQ(address.getAttrText(kStreet), "0123456789");
}

TEST_F(InstanceTest, DefaultsComeFromTheDefinitionWhenTheySuitTheType) {
  BusinessObject address("Address");
  ASSERT_EQ(address.setAttrText(kVerified, "true"), BO_OK);
  address.setDefaultAttrValues();
  EXPECT_STREQ(address.getAttrText(kStreet), "Main");
  EXPECT_STREQ(address.getAttrText(kZip), "12345");
  // "maybe" is no Boolean: the value stays.
  EXPECT_STREQ(address.getAttrText(kVerified), "true");
  BusinessObject customer("Customer");
  customer.setDefaultAttrValues();
  for (int i = 0; i < customer.getAttrCount(); ++i) EXPECT_EQ(customer.getAttrValue(i), nullptr) << i;
}

TEST_F(InstanceTest, ASingleChildIsOwnedAndReadBack) {
  BusinessObject customer("Customer");
  auto* home = new BusinessObject("Address");
  ASSERT_EQ(customer.setAttributeValue(kHome, home, BOAttrType::OBJECT), BO_OK);
  EXPECT_EQ(customer.getAttrValue(kHome), home);
  EXPECT_EQ(customer.getAttrObject(kHome), home);
  EXPECT_EQ(customer.getAttrContainer(kHome), nullptr);
  EXPECT_EQ(customer.getAttrText(kHome), nullptr);
  EXPECT_TRUE(home->hasOwner());
  // Storing the same object back changes nothing.
  EXPECT_EQ(customer.setAttributeValue(kHome, home, BOAttrType::OBJECT), BO_OK);
  EXPECT_EQ(customer.getAttrObject(kHome), home);
  ASSERT_EQ(home->setAttrText(kStreet, "High St"), BO_OK);
  EXPECT_STREQ(customer.getAttrObject(kHome)->getAttrText(kStreet), "High St");
}

TEST_F(InstanceTest, ReplacingOrClearingAChildFreesTheOldOne) {
  BusinessObject customer("Customer");
  ASSERT_EQ(customer.setAttributeValue(kHome, new BusinessObject("Address"), BOAttrType::OBJECT), BO_OK);
  auto* second = new BusinessObject("Address");
  ASSERT_EQ(customer.setAttributeValue(kHome, second, BOAttrType::OBJECT), BO_OK);
  EXPECT_EQ(customer.getAttrObject(kHome), second);
  EXPECT_EQ(customer.setAttributeValue(kHome, nullptr, BOAttrType::OBJECT), BO_OK);
  EXPECT_EQ(customer.getAttrValue(kHome), nullptr);
}

TEST_F(InstanceTest, ChildrenOfAnotherTypeOrOwnerAreRefusedAndStayTheCallers) {
  BusinessObject customer("Customer");
  BusinessObject other("Customer");
  BusinessObject wrongType("Customer");
  EXPECT_EQ(customer.setAttributeValue(kHome, &wrongType, BOAttrType::OBJECT), BO_BAD_TYPE);
  EXPECT_FALSE(wrongType.hasOwner());
  auto* home = new BusinessObject("Address");
  ASSERT_EQ(other.setAttributeValue(kHome, home, BOAttrType::OBJECT), BO_OK);
  EXPECT_EQ(customer.setAttributeValue(kHome, home, BOAttrType::OBJECT), BO_OWNED);
  EXPECT_EQ(customer.getAttrValue(kHome), nullptr);
  BusinessObject address("Address");
  EXPECT_EQ(customer.setAttributeValue(kHome, &address, BOAttrType::STRING), BO_BAD_TYPE);
}

TEST_F(InstanceTest, ChildrenNestToAnyDepth) {
  Define("Node", {{"Value", "Integer"}, {"Next", "Node", "1"}}, {});
  BusinessObject head("Node");
  BusinessObject* last = &head;
  for (int i = 0; i < 5; ++i) {
    auto* next = new BusinessObject("Node");
    ASSERT_EQ(next->setAttrText(0, std::to_string(i).c_str()), BO_OK);
    ASSERT_EQ(last->setAttributeValue(1, next, BOAttrType::OBJECT), BO_OK);
    last = next;
  }
  const BusinessObject* walk = &head;
  for (int i = 0; i < 5; ++i) {
    walk = walk->getAttrObject(1);
    ASSERT_NE(walk, nullptr);
    EXPECT_STREQ(walk->getAttrText(0), std::to_string(i).c_str());
  }
  EXPECT_EQ(walk->getAttrObject(1), nullptr);
}

TEST_F(InstanceTest, VerbsAreKeptAsGivenAndNullClearsThem) {
  BusinessObject customer("Customer");
  customer.setVerb("Create");
  EXPECT_STREQ(customer.getVerb(), "Create");
  customer.setVerb("null");
  EXPECT_STREQ(customer.getVerb(), "null");
  customer.setVerb("");
  ASSERT_NE(customer.getVerb(), nullptr);
  EXPECT_STREQ(customer.getVerb(), "");
  customer.setVerb(nullptr);
  EXPECT_EQ(customer.getVerb(), nullptr);
}

TEST_F(InstanceTest, ACopyIsDeepAndIndependentOfItsSource) {
  BusinessObject customer("Customer");
  customer.setVerb("Update");
  ASSERT_EQ(customer.setAttrText(kName, "Ann"), BO_OK);
  auto* home = new BusinessObject("Address");
  ASSERT_EQ(home->setAttrText(kStreet, "Elm"), BO_OK);
  ASSERT_EQ(customer.setAttributeValue(kHome, home, BOAttrType::OBJECT), BO_OK);
  auto* shipped = new BusinessObject("Address");
  shipped->setVerb("Create");
  ASSERT_EQ(customer.setAttributeValue(kShipping, shipped, BOAttrType::OBJECT), BO_OK);

  BusinessObject copy(customer);
  EXPECT_FALSE(copy.hasOwner());
  EXPECT_EQ(copy.getTheSpec(), customer.getTheSpec());
  EXPECT_STREQ(copy.getVerb(), "Update");
  EXPECT_STREQ(copy.getAttrText(kName), "Ann");
  EXPECT_NE(copy.getAttrValue(kName), customer.getAttrValue(kName));
  BusinessObject* copiedHome = copy.getAttrObject(kHome);
  ASSERT_NE(copiedHome, nullptr);
  EXPECT_NE(copiedHome, home);
  EXPECT_TRUE(copiedHome->hasOwner());
  EXPECT_STREQ(copiedHome->getAttrText(kStreet), "Elm");
  BusObjContainer* copiedShipping = copy.getAttrContainer(kShipping);
  ASSERT_NE(copiedShipping, nullptr);
  EXPECT_NE(copiedShipping, customer.getAttrContainer(kShipping));
  ASSERT_EQ(copiedShipping->getObjectCount(), 1);
  EXPECT_NE(copiedShipping->getObject(0), shipped);
  EXPECT_STREQ(copiedShipping->getObject(0)->getVerb(), "Create");

  ASSERT_EQ(copy.setAttrText(kName, "Bob"), BO_OK);
  ASSERT_EQ(copiedHome->setAttrText(kStreet, "Oak"), BO_OK);
  copy.setVerb(nullptr);
  copiedShipping->removeAllObjects();
  EXPECT_STREQ(customer.getAttrText(kName), "Ann");
  EXPECT_STREQ(home->getAttrText(kStreet), "Elm");
  EXPECT_STREQ(customer.getVerb(), "Update");
  EXPECT_EQ(customer.getAttrContainer(kShipping)->getObjectCount(), 1);
}

TEST_F(InstanceTest, AssignmentCopiesContentAndKeepsTheOwner) {
  BusinessObject customer("Customer");
  auto* home = new BusinessObject("Address");
  ASSERT_EQ(customer.setAttributeValue(kHome, home, BOAttrType::OBJECT), BO_OK);
  BusinessObject source("Address");
  ASSERT_EQ(source.setAttrText(kZip, "999"), BO_OK);
  *home = source;
  EXPECT_TRUE(home->hasOwner());
  EXPECT_STREQ(home->getAttrText(kZip), "999");
  EXPECT_NE(home->getAttrValue(kZip), source.getAttrValue(kZip));
  *home = *home;
  EXPECT_STREQ(home->getAttrText(kZip), "999");
}

TEST_F(InstanceTest, AnObjectCanTakeTheContentOfItsOwnChild) {
  Define("Node", {{"Value", "Integer"}, {"Next", "Node", "1"}}, {});
  BusinessObject head("Node");
  auto* next = new BusinessObject("Node");
  ASSERT_EQ(next->setAttrText(0, "2"), BO_OK);
  ASSERT_EQ(head.setAttributeValue(1, next, BOAttrType::OBJECT), BO_OK);
  head = *next;
  EXPECT_STREQ(head.getAttrText(0), "2");
  EXPECT_EQ(head.getAttrObject(1), nullptr);
}

}  // namespace
