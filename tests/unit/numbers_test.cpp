// The text and number rules, case by case.
#include <gtest/gtest.h>

#include "panel/numbers.h"

namespace kasnak {
namespace {

struct ReadCase {
  const char* text;
  double value;
};

TEST(ReadNumber, ReadsTheNumberAtTheStartOfAText) {
  const ReadCase cases[] = {
      {"", 0},       {"abc", 0},     {"  1450 rpm", 1450}, {"12 5", 125},  {"12,5", 12},
      {"-3", -3},    {"1e3", 1000},  {".5", 0.5},          {"1D2", 100},   {"&H1F", 31},
      {"&O17", 15},  {"1.2.3", 1.2}, {"- 5", -5},          {"1e", 1},      {"1e+", 1},
      {"+7", 7},     {".", 0},       {"1e-400", 0},        {"&H", 0},      {"&Hg", 0},
  };
  for (const ReadCase& c : cases) EXPECT_EQ(ReadNumber(c.text).value(), c.value) << "'" << c.text << "'";
}

TEST(ReadNumber, ANumberBeyondTheDoubleRangeIsAnOverflow) {
  for (const char* text : {"1E400", "-1e309", "1e99999999999"}) {
    try {
      ReadNumber(text);
      ADD_FAILURE() << text;
    } catch (const ArithmeticFault& f) {
      EXPECT_EQ(f.kind(), FaultKind::Overflow) << text;
    }
  }
}

struct RoundCase {
  double x;
  int n;
  const char* text;
};

TEST(RoundTo, RoundsDoublesToTheEvenNeighbourOnTheExactValue) {
  const RoundCase cases[] = {
      {15.299999999999999, 2, "15.3"}, {5.0, 2, "5"},     {1234.56, 0, "1235"}, {2.5, 0, "2"},
      {3.5, 0, "4"},                   {0.125, 2, "0.12"}, {0.375, 2, "0.38"},  {-2.5, 0, "-2"},
      {1478.449951171875, 1, "1478.4"}, {0.0, 2, "0"},
  };
  for (const RoundCase& c : cases) EXPECT_EQ(NumberText(RoundTo(Real(c.x), c.n)), c.text) << c.x;
}

TEST(RoundTo, KeepsSinglePrecision) {
  EXPECT_EQ(NumberText(RoundTo(Single(Real(1478.45)), 1)), "1478.4");
  EXPECT_EQ(NumberText(RoundTo(Single(Real(412.37)), 1)), "412.4");
  EXPECT_EQ(NumberText(RoundTo(Single(Real(282.48)), 0)), "282");
}

TEST(NumberText, WritesSevenOrFifteenSignificantDigits) {
  EXPECT_EQ(NumberText(Single(Real(0.75))), "0.75");
  EXPECT_EQ(NumberText(Single(Real(1.0 / 3))), "0.3333333");
  EXPECT_EQ(NumberText(Real(1.0 / 3)), "0.333333333333333");
  EXPECT_EQ(NumberText(Real(-4)), "-4");
  EXPECT_EQ(NumberText(Real(1e20)), "1E+20");
  EXPECT_EQ(NumberText(Real(-0.0)), "0");
}

TEST(TwoDecimalText, FollowsThePattern) {
  const std::pair<double, const char*> cases[] = {
      {1.5, "1.50"}, {0.75, ".75"}, {2, "2.00"}, {0, ".00"}, {1.125, "1.13"},
      {-1.02, "-1.02"}, {-0.75, "-.75"}, {0.001, ".00"}, {-0.001, ".00"}, {99.999, "100.00"},
  };
  for (const auto& [x, text] : cases) EXPECT_EQ(TwoDecimalText(Real(x)), text) << x;
}

}  // namespace
}  // namespace kasnak
