#include <gtest/gtest.h>

#include <utility>

#include "Int16.h"
#include "NumberText.h"

namespace {

using rt::NumberTextError;
using rt::ParseNumber;

TEST(Numbers, RoundHalfEvenSendsExactHalvesToTheEvenNeighbourAndSaturates) {
  for (const auto& [value, rounded] : {std::pair{0.5, 0},
                                       {1.5, 2},
                                       {2.5, 2},
                                       {3.5, 4},
                                       {-2.5, -2},
                                       {2.4999, 2},
                                       {2.5001, 3},
                                       {1e9, 32767},
                                       {-1e9, -32768}}) {
    EXPECT_EQ(rt::RoundHalfEven(value), rounded) << value;
  }
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

// Blanks, signs and fractions rounded half to even, over exactly the 16-bit range after rounding.
TEST(Numbers, ParsesBlanksSignsAndFractionsWithinTheSixteenBitRange) {
  for (const auto& [text, value] : {std::pair{" 42 ", 42},
                                    {"\t-7", -7},
                                    {"42\r\n", 42},
                                    {"+5", 5},
                                    {"2.5", 2},
                                    {"3.5", 4},
                                    {"2.50001", 3},
                                    {"-2.5", -2},
                                    {".5", 0},
                                    {"7.", 7},
                                    {"0", 0},
                                    {"32767", 32767},
                                    {"-32768", -32768},
                                    {"32767.4", 32767},
                                    {"-32768.5", -32768},
                                    {"\u221232768", -32768},  // the typographic minus sign, as pasted
                                    {" \u22122.5", -2}}) {
    EXPECT_EQ(std::get<rt::Int16>(ParseNumber(text)), value) << '"' << text << '"';
  }
  EXPECT_EQ(std::get<rt::Int16>(ParseNumber("3,5", {.decimal = ',', .group = '.'})), 4);
  for (const char* text : {"32767.5", "32768", "-32769", "99999999999999999999999"}) {
    EXPECT_EQ(std::get<NumberTextError>(ParseNumber(text)), NumberTextError::OutOfRange) << text;
  }
}

TEST(Numbers, RefusesEverythingThatIsNotAPlainDecimalNumber) {
  for (const char* text :
       {"",    "   ", "-",   "+",   ".",     "12abc", "abc",  "1,000",      "1e3",      "&H10",     "0x10",  "$5",
        "5 5", "--5", "+-5", "- 5", "1.2.3", "3,5",   "4\n2", "1\u00A0000", "\u2212-5", "-\u22125", "\u2212"}) {
    EXPECT_EQ(std::get<NumberTextError>(ParseNumber(text)), NumberTextError::NotANumber) << '"' << text << '"';
  }
}

}  // namespace
