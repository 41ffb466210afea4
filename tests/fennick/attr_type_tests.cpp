// Attribute descriptions: type codes, cardinality and value checks.
#include <gtest/gtest.h>

#include "BOAttrType.h"
#include "fennick_test_support.h"

namespace {

using fennick_test::AttrDef;
using fennick_test::MakeAttr;

BOAttrType Desc(const char* type, const char* maxLength = "", const char* card = "") {
  return BOAttrType(*MakeAttr({"A", type, card, maxLength}));
}

TEST(BOAttrTypeCodes, PlainTypesHaveTheirTableCodesAndOthersAreObjects) {
  EXPECT_EQ(Desc("Boolean").getTypeNum(), BOAttrType::BOOLEAN);
  EXPECT_EQ(Desc("integer").getTypeNum(), BOAttrType::INTEGER);
  EXPECT_EQ(Desc("Float").getTypeNum(), BOAttrType::FLOAT);
  EXPECT_EQ(Desc("Double").getTypeNum(), BOAttrType::DOUBLE);
  EXPECT_EQ(Desc("String").getTypeNum(), BOAttrType::STRING);
  EXPECT_EQ(Desc("Date").getTypeNum(), BOAttrType::DATE);
  EXPECT_EQ(Desc("LongText").getTypeNum(), BOAttrType::LONGTEXT);
  EXPECT_EQ(Desc("Long text").getTypeNum(), BOAttrType::LONGTEXT);
  EXPECT_EQ(Desc("Cipher text").getTypeNum(), BOAttrType::CIPHERTEXT);
  EXPECT_EQ(Desc("Customer").getTypeNum(), BOAttrType::OBJECT);
  EXPECT_TRUE(Desc("Customer").isObjectType());
  // An untyped attribute is simple: it holds text.
  EXPECT_EQ(Desc("").getTypeNum(), BOAttrType::STRING);
}

TEST(BOAttrTypeCodes, NamesOfCodesFollowTheTableAndBoundIt) {
  EXPECT_STREQ(BOAttrType::typeNameOf(0), "Object");
  EXPECT_STREQ(BOAttrType::typeNameOf(7), "Long text");
  EXPECT_STREQ(BOAttrType::typeNameOf(10), "File");
  EXPECT_STREQ(BOAttrType::typeNameOf(11), "Invalid type");
  EXPECT_STREQ(BOAttrType::typeNameOf(-1), "Invalid type");
  EXPECT_EQ(BOAttrType::typeNumOf("Directory"), BOAttrType::DIRECTORY);
  EXPECT_EQ(BOAttrType::typeNumOf(nullptr), BOAttrType::OBJECT);
}

TEST(BOAttrTypeFields, CopiesTheDefinitionsFields) {
  auto attr = MakeAttr({"Zip", "Integer", "", " 5 ", "123", true});
  attr->SetRequired(TRUE);
  attr->SetAppInfo("col=ZIP");
  const BOAttrType desc(*attr);
  EXPECT_STREQ(desc.getName(), "Zip");
  EXPECT_STREQ(desc.getTypeName(), "Integer");
  EXPECT_TRUE(desc.isKey());
  EXPECT_FALSE(desc.isForeignKey());
  EXPECT_TRUE(desc.isRequired());
  EXPECT_EQ(desc.getMaxLength(), 5);
  EXPECT_STREQ(desc.getDefaultValue(), "123");
  EXPECT_STREQ(desc.getAppSpecificInfo(), "col=ZIP");
}

TEST(BOAttrTypeFields, MaxLengthThatIsNoPositiveNumberMeansUnlimited) {
  EXPECT_EQ(Desc("String", "").getMaxLength(), 0);
  EXPECT_EQ(Desc("String", "abc").getMaxLength(), 0);
  EXPECT_EQ(Desc("String", "12x").getMaxLength(), 0);
  EXPECT_EQ(Desc("String", "-4").getMaxLength(), 0);
  EXPECT_EQ(Desc("String", "255").getMaxLength(), 255);
}

TEST(BOAttrTypeFields, CardinalityOtherThanOneIsMultiple) {
  EXPECT_TRUE(Desc("Item", "", "N").isMultipleCard());
  EXPECT_FALSE(Desc("Item", "", "1").isMultipleCard());
  EXPECT_FALSE(Desc("Item", "", " 1 ").isMultipleCard());
  EXPECT_FALSE(Desc("Item", "", "").isMultipleCard());
  EXPECT_STREQ(Desc("Item", "", "N").getCardinality(), "N");
}

TEST(BOAttrTypeCheck, Booleans) {
  const BOAttrType desc = Desc("Boolean");
  EXPECT_EQ(desc.checkValue("true"), BO_OK);
  EXPECT_EQ(desc.checkValue("FALSE"), BO_OK);
  EXPECT_EQ(desc.checkValue("yes"), BO_BAD_FORMAT);
  EXPECT_EQ(desc.checkValue("1"), BO_BAD_FORMAT);
  EXPECT_EQ(desc.checkValue(""), BO_BAD_FORMAT);
}

TEST(BOAttrTypeCheck, IntegersAreSignedDecimalWithin32Bits) {
  const BOAttrType desc = Desc("Integer");
  EXPECT_EQ(desc.checkValue("0"), BO_OK);
  EXPECT_EQ(desc.checkValue("-17"), BO_OK);
  EXPECT_EQ(desc.checkValue("+17"), BO_OK);
  EXPECT_EQ(desc.checkValue("2147483647"), BO_OK);
  EXPECT_EQ(desc.checkValue("-2147483648"), BO_OK);
  EXPECT_EQ(desc.checkValue("2147483648"), BO_BAD_FORMAT);
  EXPECT_EQ(desc.checkValue("-2147483649"), BO_BAD_FORMAT);
  EXPECT_EQ(desc.checkValue(""), BO_BAD_FORMAT);
  EXPECT_EQ(desc.checkValue("-"), BO_BAD_FORMAT);
  EXPECT_EQ(desc.checkValue("+-1"), BO_BAD_FORMAT);
  EXPECT_EQ(desc.checkValue(" 1"), BO_BAD_FORMAT);
  EXPECT_EQ(desc.checkValue("1.0"), BO_BAD_FORMAT);
  EXPECT_EQ(desc.checkValue("0x10"), BO_BAD_FORMAT);
}

TEST(BOAttrTypeCheck, RealsAreFiniteDecimalNumbers) {
  const BOAttrType dbl = Desc("Double");
  EXPECT_EQ(dbl.checkValue("3.25"), BO_OK);
  EXPECT_EQ(dbl.checkValue("-1e10"), BO_OK);
  EXPECT_EQ(dbl.checkValue(".5"), BO_OK);
  EXPECT_EQ(dbl.checkValue("1e400"), BO_BAD_FORMAT);
  EXPECT_EQ(dbl.checkValue("inf"), BO_BAD_FORMAT);
  EXPECT_EQ(dbl.checkValue("nan"), BO_BAD_FORMAT);
  EXPECT_EQ(dbl.checkValue("0x1p3"), BO_BAD_FORMAT);
  EXPECT_EQ(dbl.checkValue("1.5x"), BO_BAD_FORMAT);
  EXPECT_EQ(dbl.checkValue("."), BO_BAD_FORMAT);
  EXPECT_EQ(dbl.checkValue(" 1"), BO_BAD_FORMAT);
  const BOAttrType flt = Desc("Float");
  EXPECT_EQ(flt.checkValue("1e38"), BO_OK);
  EXPECT_EQ(flt.checkValue("1e39"), BO_BAD_FORMAT);
}

TEST(BOAttrTypeCheck, DatesAreRealDaysWithAnOptionalTimeOfDay) {
  const BOAttrType desc = Desc("Date");
  EXPECT_EQ(desc.checkValue("20240229"), BO_OK);
  EXPECT_EQ(desc.checkValue("20000229 235959"), BO_OK);
  EXPECT_EQ(desc.checkValue("20230229"), BO_BAD_FORMAT);
  EXPECT_EQ(desc.checkValue("19000229"), BO_BAD_FORMAT);
  EXPECT_EQ(desc.checkValue("20241301"), BO_BAD_FORMAT);
  EXPECT_EQ(desc.checkValue("20240431"), BO_BAD_FORMAT);
  EXPECT_EQ(desc.checkValue("20240100"), BO_BAD_FORMAT);
  EXPECT_EQ(desc.checkValue("20240101 240000"), BO_BAD_FORMAT);
  EXPECT_EQ(desc.checkValue("20240101 126000"), BO_BAD_FORMAT);
  EXPECT_EQ(desc.checkValue("20240101T120000"), BO_BAD_FORMAT);
  EXPECT_EQ(desc.checkValue("2024-01-01"), BO_BAD_FORMAT);
}

TEST(BOAttrTypeCheck, TextsObeyTheMaximumLength) {
  const BOAttrType desc = Desc("String", "3");
  EXPECT_EQ(desc.checkValue(""), BO_OK);
  EXPECT_EQ(desc.checkValue("abc"), BO_OK);
  EXPECT_EQ(desc.checkValue("abcd"), BO_TOO_LONG);
  EXPECT_EQ(Desc("Integer", "2").checkValue("123"), BO_TOO_LONG);
  EXPECT_EQ(Desc("LongText").checkValue(std::string(100000, 'x').c_str()), BO_OK);
}

TEST(BOAttrTypeCheck, ObjectsAndNullTakeNoText) {
  EXPECT_EQ(Desc("Address").checkValue("x"), BO_BAD_TYPE);
  EXPECT_EQ(Desc("String").checkValue(nullptr), BO_BAD_TYPE);
}

}  // namespace
