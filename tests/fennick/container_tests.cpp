// Containers of a multiple object attribute, and containers on their own.
#include <string>

#include "BusObjContainer.h"
#include "BusinessObject.h"
#include "fennick_test_support.h"

namespace {

using fennick_test::FennickTest;

constexpr int kShipping = 3;
constexpr int kStreet = 0;

class ContainerTest : public FennickTest {
 protected:
  void SetUp() override {
    FennickTest::SetUp();
    DefineCustomer();
  }
  static BusinessObject* Address(const char* street) {
    auto* address = new BusinessObject("Address");
    EXPECT_EQ(address->setAttrText(kStreet, street), BO_OK);
    return address;
  }
  static std::string Streets(const BusObjContainer& container) {
    std::string out;
    for (int i = 0; i < container.getObjectCount(); ++i) {
      if (i > 0) out += ",";
      out += container.getObject(i)->getAttrText(kStreet);
    }
    return out;
  }
};

TEST_F(ContainerTest, TheFirstChildMakesTheContainerAndLaterOnesAreAppended) {
  BusinessObject customer("Customer");
  EXPECT_EQ(customer.getAttrContainer(kShipping), nullptr);
  BusinessObject* first = Address("A");
  ASSERT_EQ(customer.setAttributeValue(kShipping, first, BOAttrType::OBJECT), BO_OK);
  auto* container = static_cast<BusObjContainer*>(customer.getAttrValue(kShipping));
  ASSERT_NE(container, nullptr);
  EXPECT_EQ(customer.getAttrContainer(kShipping), container);
  EXPECT_EQ(customer.getAttrObject(kShipping), nullptr);
  EXPECT_STREQ(container->getTypeName(), "Address");
  ASSERT_EQ(customer.setAttributeValue(kShipping, Address("B"), BOAttrType::OBJECT), BO_OK);
  // An element stored again is not added twice.
  ASSERT_EQ(customer.setAttributeValue(kShipping, first, BOAttrType::OBJECT), BO_OK);
  EXPECT_EQ(customer.getAttrContainer(kShipping), container);
  EXPECT_EQ(Streets(*container), "A,B");
}

TEST_F(ContainerTest, ARefusedFirstChildMakesNoContainer) {
  BusinessObject customer("Customer");
  BusinessObject wrong("Customer");
  EXPECT_EQ(customer.setAttributeValue(kShipping, &wrong, BOAttrType::OBJECT), BO_BAD_TYPE);
  EXPECT_EQ(customer.getAttrValue(kShipping), nullptr);
}

TEST_F(ContainerTest, ClearingTheAttributeFreesTheContainer) {
  BusinessObject customer("Customer");
  ASSERT_EQ(customer.setAttributeValue(kShipping, Address("A"), BOAttrType::OBJECT), BO_OK);
  EXPECT_EQ(customer.setAttributeValue(kShipping, nullptr, BOAttrType::OBJECT), BO_OK);
  EXPECT_EQ(customer.getAttrValue(kShipping), nullptr);
}

TEST_F(ContainerTest, InsertPlacesObjectsAtTheirPositions) {
  BusObjContainer container("Address");
  EXPECT_EQ(container.insertObjectAt(0, Address("B")), BO_OK);
  EXPECT_EQ(container.insertObjectAt(0, Address("A")), BO_OK);
  EXPECT_EQ(container.insertObjectAt(2, Address("D")), BO_OK);
  EXPECT_EQ(container.insertObjectAt(2, Address("C")), BO_OK);
  EXPECT_EQ(container.addObject(Address("E")), BO_OK);
  EXPECT_EQ(Streets(container), "A,B,C,D,E");
  EXPECT_EQ(container.indexOf(container.getObject(3)), 3);
  EXPECT_TRUE(container.getObject(3)->hasOwner());
}

TEST_F(ContainerTest, BadInsertionsAreRefusedAndTheObjectStaysTheCallers) {
  BusObjContainer container("Address");
  BusinessObject address("Address");
  EXPECT_EQ(container.insertObjectAt(1, &address), BO_BAD_INDEX);
  EXPECT_EQ(container.insertObjectAt(-1, &address), BO_BAD_INDEX);
  EXPECT_EQ(container.insertObjectAt(0, nullptr), BO_NULL_VALUE);
  BusinessObject customer("Customer");
  EXPECT_EQ(container.insertObjectAt(0, &customer), BO_BAD_TYPE);
  EXPECT_FALSE(address.hasOwner());
  EXPECT_EQ(container.getObjectCount(), 0);
  BusinessObject* held = Address("A");
  ASSERT_EQ(container.addObject(held), BO_OK);
  EXPECT_EQ(container.addObject(held), BO_OWNED);
  BusObjContainer other("address");
  EXPECT_EQ(other.addObject(held), BO_OWNED);
  EXPECT_EQ(container.getObjectCount(), 1);
}

TEST_F(ContainerTest, RemoveFreesOneObjectOrAll) {
  BusObjContainer container("Address");
  for (const char* street : {"A", "B", "C"}) ASSERT_EQ(container.addObject(Address(street)), BO_OK);
  EXPECT_EQ(container.removeObjectAt(1), BO_OK);
  EXPECT_EQ(Streets(container), "A,C");
  EXPECT_EQ(container.removeObjectAt(2), BO_BAD_INDEX);
  EXPECT_EQ(container.removeObjectAt(-1), BO_BAD_INDEX);
  EXPECT_EQ(container.getObjectCount(), 2);
  container.removeAllObjects();
  EXPECT_EQ(container.getObjectCount(), 0);
  EXPECT_EQ(container.getObject(0), nullptr);
  EXPECT_EQ(container.removeObjectAt(0), BO_BAD_INDEX);
  container.removeAllObjects();
}

TEST_F(ContainerTest, GetOutsideTheRangeAnswersNull) {
  BusObjContainer container("Address");
  ASSERT_EQ(container.addObject(Address("A")), BO_OK);
  EXPECT_EQ(container.getObject(1), nullptr);
  EXPECT_EQ(container.getObject(-1), nullptr);
  BusinessObject stranger("Address");
  EXPECT_EQ(container.indexOf(&stranger), -1);
  EXPECT_EQ(container.indexOf(nullptr), -1);
}

TEST_F(ContainerTest, ACopiedContainerHoldsCopiesOfItsElements) {
  BusObjContainer container("Address");
  ASSERT_EQ(container.addObject(Address("A")), BO_OK);
  ASSERT_EQ(container.addObject(Address("B")), BO_OK);
  BusObjContainer copy(container);
  EXPECT_EQ(Streets(copy), "A,B");
  EXPECT_NE(copy.getObject(0), container.getObject(0));
  EXPECT_TRUE(copy.getObject(0)->hasOwner());
  ASSERT_EQ(copy.getObject(0)->setAttrText(kStreet, "Z"), BO_OK);
  ASSERT_EQ(copy.removeObjectAt(1), BO_OK);
  EXPECT_EQ(Streets(container), "A,B");
}

TEST_F(ContainerTest, ElementsHoldTheirOwnChildren) {
  Define("Order", {{"Id", "Integer"}, {"Lines", "Line", "N"}}, {"Create"});
  Define("Line", {{"Qty", "Integer", "", "", "1"}, {"Ship", "Address", "1"}}, {"Create"});
  BusinessObject order("Order");
  auto* line = new BusinessObject("Line");
  line->setDefaultAttrValues();
  ASSERT_EQ(line->setAttributeValue(1, Address("Dock"), BOAttrType::OBJECT), BO_OK);
  ASSERT_EQ(order.setAttributeValue(1, line, BOAttrType::OBJECT), BO_OK);
  BusObjContainer* lines = order.getAttrContainer(1);
  ASSERT_NE(lines, nullptr);
  ASSERT_EQ(lines->insertObjectAt(0, new BusinessObject("Line")), BO_OK);
  EXPECT_EQ(lines->getObject(1), line);
  EXPECT_STREQ(lines->getObject(1)->getAttrText(0), "1");
  EXPECT_STREQ(lines->getObject(1)->getAttrObject(1)->getAttrText(kStreet), "Dock");
  EXPECT_EQ(lines->getObject(0)->getAttrValue(0), nullptr);
}

}  // namespace
