#include <gtest/gtest.h>

#include "Int16.h"
#include "NumberText.h"

namespace {

using rt::NumberTextError;
using rt::ParseNumber;

TEST(Numbers, RoundHalfEvenSendsExactHalvesToTheEvenNeighbour) {
  EXPECT_EQ(rt::RoundHalfEven(0.5), 0);
  EXPECT_EQ(rt::RoundHalfEven(1.5), 2);
  EXPECT_EQ(rt::RoundHalfEven(2.5), 2);
  EXPECT_EQ(rt::RoundHalfEven(3.5), 4);
  EXPECT_EQ(rt::RoundHalfEven(-2.5), -2);
  EXPECT_EQ(rt::RoundHalfEven(2.4999), 2);
  EXPECT_EQ(rt::RoundHalfEven(2.5001), 3);
  EXPECT_EQ(rt::RoundHalfEven(1e9), 32767);
  EXPECT_EQ(rt::RoundHalfEven(-1e9), -32768);
}

TEST(Numbers, StoredResultsSaturateInsteadOfOverflowing) {
  EXPECT_EQ(rt::Add(32767, 1), 32767);
  EXPECT_EQ(rt::Sub(-32768, 1), -32768);
  EXPECT_EQ(rt::Sub(32767, -32768), 32767);
  EXPECT_EQ(rt::Add(-20000, -20000), -32768);
  EXPECT_EQ(rt::Add(100, -7), 93);
}

TEST(Numbers, TextIsPlainDecimalWithAMinusOnlyForNegatives) {
  EXPECT_EQ(rt::ToText(100), "100");
  EXPECT_EQ(rt::ToText(0), "0");
  EXPECT_EQ(rt::ToText(-7), "-7");
  EXPECT_EQ(rt::ToText(-32768), "-32768");
  EXPECT_EQ(rt::ToText(65534), "65534");
}

TEST(Numbers, ParsesBlanksSignsAndFractionsRoundedHalfToEven) {
  EXPECT_EQ(std::get<rt::Int16>(ParseNumber(" 42 ")), 42);
  EXPECT_EQ(std::get<rt::Int16>(ParseNumber("\t-7")), -7);
  EXPECT_EQ(std::get<rt::Int16>(ParseNumber("+5")), 5);
  EXPECT_EQ(std::get<rt::Int16>(ParseNumber("2.5")), 2);
  EXPECT_EQ(std::get<rt::Int16>(ParseNumber("3.5")), 4);
  EXPECT_EQ(std::get<rt::Int16>(ParseNumber("2.50001")), 3);
  EXPECT_EQ(std::get<rt::Int16>(ParseNumber("-2.5")), -2);
  EXPECT_EQ(std::get<rt::Int16>(ParseNumber(".5")), 0);
  EXPECT_EQ(std::get<rt::Int16>(ParseNumber("7.")), 7);
  EXPECT_EQ(std::get<rt::Int16>(ParseNumber("3,5", {.decimal = ',', .group = '.'})), 4);
  EXPECT_EQ(std::get<rt::Int16>(ParseNumber("0")), 0);
}

TEST(Numbers, AcceptsExactlyTheSixteenBitRangeAfterRounding) {
  EXPECT_EQ(std::get<rt::Int16>(ParseNumber("32767")), 32767);
  EXPECT_EQ(std::get<rt::Int16>(ParseNumber("-32768")), -32768);
  EXPECT_EQ(std::get<rt::Int16>(ParseNumber("32767.4")), 32767);
  EXPECT_EQ(std::get<rt::Int16>(ParseNumber("-32768.5")), -32768);
  EXPECT_EQ(std::get<NumberTextError>(ParseNumber("32767.5")), NumberTextError::OutOfRange);
  EXPECT_EQ(std::get<NumberTextError>(ParseNumber("32768")), NumberTextError::OutOfRange);
  EXPECT_EQ(std::get<NumberTextError>(ParseNumber("-32769")), NumberTextError::OutOfRange);
  EXPECT_EQ(std::get<NumberTextError>(ParseNumber("99999999999999999999999")), NumberTextError::OutOfRange);
}

TEST(Numbers, RefusesEverythingThatIsNotAPlainDecimalNumber) {
  for (const char* text : {"", "   ", "-", "+", ".", "12abc", "abc", "1,000", "1e3", "&H10", "0x10", "$5", "5 5", "--5",
                           "+-5", "- 5", "1.2.3", "3,5"}) {
    EXPECT_EQ(std::get<NumberTextError>(ParseNumber(text)), NumberTextError::NotANumber) << '"' << text << '"';
  }
}

}  // namespace
