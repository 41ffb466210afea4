// Type descriptions built from the server's definitions, and the directory.
#include "BusinessObject.h"
#include "fennick_test_support.h"

namespace {

using fennick_test::FennickTest;

using SpecTest = FennickTest;

TEST_F(SpecTest, TheDirectoryIsOneProcessWideObject) {
  EXPECT_NE(BusObjSpecDirectory::getTheBusObjSpecDirectory(), nullptr);
  EXPECT_EQ(BusObjSpecDirectory::getTheBusObjSpecDirectory(), BusObjSpecDirectory::getTheBusObjSpecDirectory());
}

TEST_F(SpecTest, ASpecHasTheDefinitionsAttributesInOrder) {
  DefineCustomer();
  BusObjSpec* spec = Directory().find("Customer");
  ASSERT_NE(spec, nullptr);
  EXPECT_STREQ(spec->getName(), "Customer");
  ASSERT_EQ(spec->getAttrCount(), 5);
  const char* names[] = {"Name", "Age", "Home", "Shipping", "Since"};
  for (int i = 0; i < 5; ++i) EXPECT_STREQ(spec->getAttrDesc(i)->getName(), names[i]);
  EXPECT_TRUE(spec->getAttrDesc(0)->isKey());
  EXPECT_EQ(spec->getAttrDesc(2)->getTypeNum(), BOAttrType::OBJECT);
  EXPECT_FALSE(spec->getAttrDesc(2)->isMultipleCard());
  EXPECT_TRUE(spec->getAttrDesc(3)->isMultipleCard());
  EXPECT_EQ(spec->getAttrDesc(4)->getTypeNum(), BOAttrType::DATE);
  EXPECT_EQ(spec->getAttrDesc(5), nullptr);
  EXPECT_EQ(spec->getAttrDesc(-1), nullptr);
  EXPECT_EQ(spec->getAttrIndex("since"), 4);
  EXPECT_EQ(spec->getAttrIndex("Nothing"), -1);
  EXPECT_EQ(spec->getAttrIndex(nullptr), -1);
}

TEST_F(SpecTest, FindIgnoresCaseAndAnswersTheSameSpecAgain) {
  DefineCustomer();
  BusObjSpec* spec = Directory().find("customer");
  ASSERT_NE(spec, nullptr);
  EXPECT_EQ(Directory().find("CUSTOMER"), spec);
  EXPECT_EQ(Directory().getCount(), 1);
}

TEST_F(SpecTest, UnknownEmptyAndNullNamesAreNotFound) {
  EXPECT_EQ(Directory().find("Missing"), nullptr);
  EXPECT_EQ(Directory().find(""), nullptr);
  EXPECT_EQ(Directory().find(nullptr), nullptr);
  EXPECT_EQ(Directory().getCount(), 0);
}

TEST_F(SpecTest, WithoutASessionOnlyAddedSpecsAreFound) {
  DefineCustomer();
  delete CDataManager::PeekInstance();
  EXPECT_EQ(Directory().find("Customer"), nullptr);
  CQRBusObjDef def("Local", nullptr, HvStateNew);
  def.AddVerb("Create", "");
  ASSERT_NE(Directory().add(def), nullptr);
  EXPECT_NE(Directory().find("local"), nullptr);
}

TEST_F(SpecTest, ChildSpecsAreTheSpecsOfObjectAttributeTypes) {
  DefineCustomer();
  BusObjSpec* spec = Directory().find("Customer");
  ASSERT_NE(spec, nullptr);
  BusObjSpec* home = spec->getChildSpec(2);
  ASSERT_NE(home, nullptr);
  EXPECT_STREQ(home->getName(), "Address");
  EXPECT_EQ(spec->getChildSpec(3), home);
  EXPECT_EQ(spec->getChildSpec(0), nullptr);
  EXPECT_EQ(spec->getChildSpec(9), nullptr);
}

TEST_F(SpecTest, ASelfReferringDefinitionResolvesLazily) {
  Define("Node", {{"Value", "Integer"}, {"Next", "Node", "1"}}, {});
  BusObjSpec* spec = Directory().find("Node");
  ASSERT_NE(spec, nullptr);
  EXPECT_EQ(spec->getChildSpec(1), spec);
}

TEST_F(SpecTest, VerbsComeFromTheDefinitionAndAreComparedIgnoringCase) {
  DefineCustomer();
  BusObjSpec* spec = Directory().find("Address");
  ASSERT_NE(spec, nullptr);
  ASSERT_EQ(spec->getVerbCount(), 2);
  EXPECT_STREQ(spec->getVerb(0), "Create");
  EXPECT_STREQ(spec->getVerb(1), "Retrieve");
  EXPECT_EQ(spec->getVerb(2), nullptr);
  EXPECT_TRUE(spec->isVerbSupported("retrieve"));
  EXPECT_FALSE(spec->isVerbSupported("Delete"));
  EXPECT_FALSE(spec->isVerbSupported(""));
  EXPECT_FALSE(spec->isVerbSupported(nullptr));
}

TEST_F(SpecTest, AddVerbsListAddsEachNewVerbOnce) {
  DefineCustomer();
  BusObjSpec* spec = Directory().find("Address");
  ASSERT_NE(spec, nullptr);
  spec->addVerbsList(charStr("Update"));
  spec->addVerbsList(charStr("Delete, create;;Archive  Update"));
  spec->addVerbsList(charStr(nullptr));
  spec->addVerbsList(charStr(""));
  ASSERT_EQ(spec->getVerbCount(), 5);
  EXPECT_STREQ(spec->getVerb(2), "Update");
  EXPECT_STREQ(spec->getVerb(3), "Delete");
  EXPECT_STREQ(spec->getVerb(4), "Archive");
}

TEST_F(SpecTest, AddReplacesASpecAndObjectsKeepTheirOwn) {
  DefineCustomer();
  BusinessObject before("Address");
  CQRBusObjDef* def = Dm().GetBO("Address", 0, 1);
  ASSERT_NE(def, nullptr);
  def->GetAttrs().DeleteAt(2);
  BusObjSpec* fresh = Directory().add(*def);
  EXPECT_EQ(Directory().find("Address"), fresh);
  EXPECT_NE(before.getTheSpec(), fresh);
  EXPECT_EQ(before.getAttrCount(), 3);
  EXPECT_EQ(BusinessObject("Address").getAttrCount(), 2);
}

TEST_F(SpecTest, RemovedAndClearedSpecsAreReadAgainFromTheServer) {
  DefineCustomer();
  BusObjSpec* first = Directory().find("Address");
  ASSERT_NE(first, nullptr);
  first->addVerbsList(charStr("Archive"));
  Directory().remove("ADDRESS");
  EXPECT_EQ(Directory().getCount(), 0);
  BusObjSpec* again = Directory().find("Address");
  ASSERT_NE(again, nullptr);
  EXPECT_FALSE(again->isVerbSupported("Archive"));
  Directory().clear();
  EXPECT_EQ(Directory().getCount(), 0);
}

TEST(CharStr, HoldsACopyOfItsText) {
  char text[] = "Create";
  const charStr copy(text);
  text[0] = 'X';
  EXPECT_STREQ(copy.c_str(), "Create");
  EXPECT_EQ(copy.length(), 6u);
  EXPECT_TRUE(charStr(nullptr).isEmpty());
  EXPECT_STREQ(static_cast<const char*>(charStr()), "");
}

}  // namespace
