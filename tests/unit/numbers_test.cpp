// SPDX-License-Identifier: GPL-3.0-or-later
// The text and number rules, case by case.
#include "numbers/numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <string_view>

#include "numbers/text.h"

namespace kasnak {
namespace {

using namespace std::literals;

void ExpectFault(const std::function<void()>& step, FaultKind kind, std::string_view what) {
  try {
    step();
    ADD_FAILURE() << what << ": no fault";
  } catch (const ArithmeticFault& f) {
    EXPECT_EQ(f.kind(), kind) << what;
  }
}

TEST(ReadNumber, ReadsTheNumberAtTheStartOfAText) {
  const struct {
    std::string_view text;
    double value;
  } cases[] = {
      // What is not a number reads as 0; reading stops at the first misfit.
      {"", 0},
      {"abc", 0},
      {"  1450 rpm", 1450},
      {"12,5", 12},
      {"1.2.3", 1.2},
      {".", 0},
      {"-", 0},
      {"+", 0},
      {"-.", 0},
      {".e5", 0},
      {"e5", 0},
      {"5.", 5},
      {".5", 0.5},
      {"+.5", 0.5},
      {"-.5", -0.5},
      {"1ı2", 1},
      {"ı12", 0},
      {"12\0 34"sv, 12},
      {"1\r2", 1},
      {"1\v2", 1},
      // Signs, and blanks, tabs and line feeds wherever they stand.
      {"-3", -3},
      {"+7", 7},
      {"--5", 0},
      {"+-5", 0},
      {"- 5", -5},
      {"12 5", 125},
      {"1 2\t3\n4", 1234},
      {"\t-\n1 . 5 e 2", -150},
      {"-0", 0},
      // Exponents: E or D in either case, used only when digits follow.
      {"1e3", 1000},
      {"1D2", 100},
      {"1d-2", 0.01},
      {"2.5E+0003", 2500},
      {"1e5.5", 1e5},
      {"1e", 1},
      {"1e+", 1},
      {"1e-", 1},
      {"1e--5", 1},
      {"1E308", 1e308},
      {"1.7976931348623157E308", DBL_MAX},
      {"4.9E-324", 4.9e-324},
      {"1E-400", 0},
      {"1e-99999999999999999999", 0},
      {"0e99999999999999999999", 0},
      // Hexadecimal and octal whole numbers.
      {"&H1F", 31},
      {"&h1f", 31},
      {"&H 1F", 31},
      {"& H1F", 31},
      {"&HFFFFFFFF", 4294967295.0},
      {"&HFFFFFFFFFFFFFFFF", 18446744073709551616.0},
      {"&H1G", 1},
      {"&H", 0},
      {"&Hg", 0},
      {"&H-1", 0},
      {"-&H1F", 0},
      {"&", 0},
      {"&O17", 15},
      {"&o777", 511},
      {"&O178", 15},
      {"&O8", 0},
      {"&O9", 0},
      {"&O", 0},
      {"&O1777777777777777777777", 18446744073709551616.0},
      // Rounded to the nearest double: a tie to even, unless a later digit
      // lifts it above the tie.
      {"&H20000000000001", 9007199254740992.0},
      {"&H200000000000010000", 590295810358705651712.0},
      {"&H200000000000010001", 590295810358705782784.0},
  };
  for (const auto& c : cases) {
    const double v = ReadNumber(c.text).value();
    EXPECT_EQ(v, c.value) << "'" << c.text << "'";
    EXPECT_FALSE(std::signbit(v) && v == 0) << "'" << c.text << "'";
  }
}

TEST(ReadNumber, ReadsLongDigitStringsExactly) {
  const std::string zeros(9999, '0');
  EXPECT_EQ(ReadNumber("0." + zeros + "1E10000").value(), 1.0);
  EXPECT_EQ(ReadNumber("1" + zeros + "D-9999").value(), 1.0);
  EXPECT_EQ(ReadNumber("0." + std::string(10000, '3')).value(), 1.0 / 3);
  // A million digits: any step quadratic in the length would stall here.
  EXPECT_EQ(ReadNumber("0." + std::string(1000000, '6')).value(), 2.0 / 3);
}

TEST(ReadNumber, ANumberBeyondTheDoubleRangeIsAnOverflow) {
  const std::string cases[] = {
      "1E400",
      "-1e309",
      "1.8E308",
      "1e99999999999999999999",
      "1D400",
      std::string(400, '1'),
      "&H" + std::string(257, 'F'),
      "&O" + std::string(342, '7'),
  };
  for (const std::string& text : cases) ExpectFault([&] { ReadNumber(text); }, FaultKind::Overflow, text.substr(0, 24));
}

// Well-formed UTF-8 at each edge of each length: the shortest form only (an
// overlong form of any length is refused), no surrogates, nothing past
// U+10FFFF, no cut or stray continuation byte.
TEST(IsUtf8, TakesOnlyWellFormedText) {
  const std::pair<std::string_view, bool> cases[] = {
      {"", true},
      {"a\x7F", true},
      {"\xC2\x80\xDF\xBF", true},                  // U+0080, U+07FF
      {"\xE0\xA0\x80\xEF\xBF\xBF", true},          // U+0800, U+FFFF
      {"\xED\x9F\xBF\xEE\x80\x80", true},          // U+D7FF, U+E000
      {"\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", true},  // U+10000, U+10FFFF
      {"\xC1\xBF", false},                         // U+007F in two bytes
      {"\xE0\x9F\xBF", false},                     // U+07FF in three
      {"\xF0\x8F\xBF\xBF", false},                 // U+FFFF in four
      {"\xED\xA0\x80", false},                     // a surrogate
      {"\xED\xBF\xBF", false},                     // the last one, U+DFFF
      {"a\0b"sv, true},                            // a NUL is a character
      {"\xF4\x90\x80\x80", false},                 // past U+10FFFF
      {"\xE2\x82", false},                         // cut
      {"\x80", false},                             // a stray continuation byte
      {"\xF8\x88\x80\x80\x80", false},             // five bytes
  };
  for (const auto& [text, good] : cases) EXPECT_EQ(IsUtf8(text), good) << testing::PrintToString(std::string(text));
}

// Characters, not bytes, as the boxes' length limits count them.
TEST(CharacterCount, CountsCodePoints) {
  const std::pair<std::string_view, std::size_t> cases[] = {
      {"", 0}, {"4000", 4}, {"şğı", 3}, {"€1", 2}, {"\xF0\x9F\x98\x80", 1}, {"a\0b"sv, 3}};
  for (const auto& [text, count] : cases)
    EXPECT_EQ(CharacterCount(text), count) << testing::PrintToString(std::string(text));
}

// Whether a text is all one number, as the advice quotes a figure as typed:
// a reader that stopped early, or read past the end of the digits, would
// quote "12abc" or drop "1E400".
TEST(ReadsWhole, TellsATextThatIsOneNumberFromOneWithMore) {
  const std::pair<const char*, bool> cases[] = {
      {"279.51178", true}, {" 250 ", true},  {"-3", true},         {"+.5", true},   {"1E400", true},
      {"2d-3", true},      {"&H1F", true},   {"&o17", true},       {"4 000", true}, {"", false},
      {" ", false},        {"12abc", false}, {"4.000.000", false}, {"1E", false},   {"1E+", false},
      {"&H", false},       {"&O78", false},  {".", false},         {"-", false},    {"şğı", false},
  };
  for (const auto& [text, whole] : cases) EXPECT_EQ(ReadsWhole(text), whole) << '"' << text << '"';
}

// A number that looks other than it reads, at each edge of the thousands
// rule: a first group of one to three digits not starting with 0, then
// groups of three; separators of one kind, or thousands before a decimal
// separator of the other kind.  "-" where it looks as it reads.
TEST(LooksOtherThanRead, TellsThousandsFromDecimals) {
  using enum Separator;
  const struct {
    const char* text;
    std::optional<Separator> separator;
    const char* number;
  } cases[] = {
      {"4.000", ThousandsDot, "4000"},
      {"1.234.567", ThousandsDot, "1234567"},
      {"4,000", ThousandsComma, "4000"},
      {"1,234.567", ThousandsComma, "1234.567"},
      {" -1,234 ", ThousandsComma, "-1234"},
      {"12,5", DecimalComma, "12.5"},
      {"1.234,5", DecimalComma, "1234.5"},
      {"0,500", DecimalComma, "0.500"},
      {"0.500", {}, "-"},
      {"1234.567", {}, "-"},
      {"12.34,5", {}, "-"},
      {"1,23,4", {}, "-"},
      {"4.000,", {}, "-"},
      {"12.5", {}, "-"},
      {"4000", {}, "-"},
      {"4,0a", {}, "-"},
  };
  for (const auto& [text, separator, number] : cases) {
    const std::optional<NumberLook> look = LooksOtherThanRead(text);
    ASSERT_EQ(look.has_value(), separator.has_value()) << '"' << text << '"';
    if (look) {
      EXPECT_TRUE(look->separator == *separator && look->number == number) << '"' << text << '"';
    }
  }
}

TEST(RoundTo, RoundsDoublesToTheNearestAndATieToTheEvenNeighbour) {
  const struct {
    double x;
    int n;
    double value;
    const char* text;
  } cases[] = {
      {15.299999999999999, 2, 15.3, "15.3"},
      {5.0, 2, 5, "5"},
      {1234.56, 0, 1235, "1235"},
      {2.5, 0, 2, "2"},
      {3.5, 0, 4, "4"},
      {-2.5, 0, -2, "-2"},
      {-3.5, 0, -4, "-4"},
      {0.5, 0, 0, "0"},
      {0.125, 2, 0.12, "0.12"},
      {0.375, 2, 0.38, "0.38"},
      {-0.125, 2, -0.12, "-0.12"},
      {0.25, 1, 0.2, "0.2"},
      {1478.449951171875, 1, 1478.4, "1478.4"},
      // Decided on the binary value, not on the decimal literal.
      {0.35, 1, 0.3, "0.3"},
      {0.45, 1, 0.5, "0.5"},
      {1.005, 2, 1, "1"},
      {2.675, 2, 2.67, "2.67"},
      {0.005, 2, 0.01, "0.01"},
      {0.015, 2, 0.01, "0.01"},
      // Zero comes back as +0; tiny and huge magnitudes.
      {0.0, 2, 0, "0"},
      {-0.001, 2, 0, "0"},
      {-0.4, 0, 0, "0"},
      {1e-300, 2, 0, "0"},
      {4.9e-324, 0, 0, "0"},
      {1e300, 2, 1e300, "1E+300"},
      {-1e300, 0, -1e300, "-1E+300"},
      // Around 2^52 and beyond 2^52 / 100, where the exact expansion decides.
      {4503599627370495.5, 0, 4503599627370496, "4.5035996273705E+15"},
      {4503599627370494.5, 0, 4503599627370494, "4.50359962737049E+15"},
      {100000000000000.125, 2, 100000000000000.12, "100000000000000"},
      {100000000000000.375, 2, 100000000000000.38, "100000000000000"},
      {-100000000000000.375, 1, -100000000000000.4, "-100000000000000"},
      {50000000000000.0546875, 2, 50000000000000.05, "50000000000000"},
  };
  for (const auto& c : cases) {
    const Real r = RoundTo(Real(c.x), c.n);
    EXPECT_EQ(r.value(), c.value) << c.x << " to " << c.n;
    EXPECT_EQ(std::signbit(r.value()), std::signbit(c.value)) << c.x << " to " << c.n;
    EXPECT_EQ(NumberText(r), c.text) << c.x << " to " << c.n;
  }
}

TEST(RoundTo, KeepsSinglePrecision) {
  const struct {
    float x;
    int n;
    float value;
  } cases[] = {
      {1478.45f, 1, 1478.4f},   {412.37f, 1, 412.4f},
      {282.48f, 0, 282},        {0.125f, 2, 0.12f},
      {-0.125f, 2, -0.12f},     {2.5f, 0, 2},
      {0.35f, 1, 0.3f},         {0.55f, 1, 0.6f},
      {1.005f, 2, 1},           {2.675f, 2, 2.67f},
      {8388606.5f, 0, 8388606}, {8388607.5f, 0, 8388608},
      {1e-40f, 2, 0},           {167772.17f, 2, 167772.17f},
      {3.4e38f, 2, 3.4e38f},    {FLT_MAX, 0, FLT_MAX},
      {-FLT_MAX, 1, -FLT_MAX},
  };
  for (const auto& c : cases) EXPECT_EQ(RoundTo(Single::FromFloat(c.x), c.n).value(), c.value) << c.x;
  EXPECT_EQ(NumberText(RoundTo(Single(Real(1478.45)), 1)), "1478.4");
}

Real Wrap(double x) { return Real(x); }
Single Wrap(float x) { return Single::FromFloat(x); }

// Around the tie k + 1/2 of x * 10^n, checked against the exact product in
// extended precision: 64 bits hold a double times 100 without rounding.
template <typename T>
void CheckAroundTie(double k, int n) {
  const T scale = n == 0 ? 1 : n == 1 ? 10 : 100;
  T x = std::nextafter(std::nextafter(static_cast<T>((k + 0.5) / scale), T(0)), T(0));
  for (int step = 0; step < 5; ++step, x = std::nextafter(x, std::numeric_limits<T>::max())) {
    const long double exact = static_cast<long double>(x) * scale;
    const long double even = std::nearbyintl(exact);
    // Below 2^digits the whole number and the quotient are rounded once.
    if (even >= std::ldexp(1.0L, std::numeric_limits<T>::digits)) continue;
    const T want = static_cast<T>(even) / scale;
    EXPECT_EQ(RoundTo(Wrap(x), n).value(), want) << x << " to " << n;
    EXPECT_EQ(RoundTo(Wrap(-x), n).value(), -want) << -x << " to " << n;
    if (n != 2) continue;
    std::string digits = TwoDecimalText(Real(-static_cast<double>(x)));
    std::erase_if(digits, [](char c) { return c == '.' || c == '-'; });
    EXPECT_EQ(std::stoull(digits), static_cast<unsigned long long>(std::roundl(exact))) << x;
  }
}

TEST(RoundTo, AgreesWithTheExactProductAroundTies) {
  if constexpr (std::numeric_limits<long double>::digits < 64) GTEST_SKIP() << "no 64-bit long double";
  const double wholes[] = {0, 1, 98, 147844, 1e6 + 1, 16777150, 4503599627370, 4503599627370400, 9007199254740900};
  for (int n = 0; n <= 2; ++n)
    for (double whole : wholes)
      for (double k = whole; k < whole + 64; ++k) {
        CheckAroundTie<double>(k, n);
        CheckAroundTie<float>(k, n);
      }
}

TEST(IntPart, TakesTheLargestWholeNumberNotAbove) {
  const std::pair<float, float> cases[] = {{2.5f, 2},         {-2.5f, -3}, {-0.5f, -1}, {7, 7}, {-8388607.5f, -8388608},
                                           {FLT_MAX, FLT_MAX}};
  for (const auto& [x, value] : cases) {
    EXPECT_EQ(IntPart(Real(x)).value(), value) << x;
    EXPECT_EQ(IntPart(Single::FromFloat(x)).value(), value) << x;
  }
}

TEST(NumberText, WritesSevenOrFifteenSignificantDigits) {
  const std::pair<float, const char*> singles[] = {
      {0.75f, "0.75"},
      {1.0f / 3, "0.3333333"},
      {2.0f / 3, "0.6666667"},
      {16777217.0f, "1.677722E+07"},
      {1234567, "1234567"},
      {9999999, "9999999"},
      {12345678, "1.234568E+07"},
      {0.1f, "0.1"},
      {1478.4f, "1478.4"},
      {-4, "-4"},
      {-0.0f, "0"},
      {0.0001f, "0.0001"},
      {1e-5f, "1E-05"},
      {FLT_MAX, "3.402823E+38"},
      // Rounded from the exact value where the shortest text that reads
      // back has fewer digits: a subnormal, and a float near the top of a
      // decade whose spacing is close to a unit in the 7th digit.
      {-0x1.763ac8p-127f, "-8.591891E-39"},
      {9999998976.0f, "9.999999E+09"},
      // The float nearest 1E28 (fuzz-numbers read it from '1D28') lies
      // below it, and is written in the decade below.
      {1e28f, "9.999999E+27"},
  };
  for (const auto& [x, text] : singles) EXPECT_EQ(NumberText(Single::FromFloat(x)), text) << x;
  const std::pair<double, const char*> doubles[] = {
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {0.1 + 0.2, "0.3"},
      {15.3, "15.3"},
      {5.0, "5"},
      {999999999999999, "999999999999999"},
      {1e15, "1E+15"},
      {123456789012345.67, "123456789012346"},
      {1e20, "1E+20"},
      {-4, "-4"},
      {-0.0, "0"},
      {1e-5, "1E-05"},
      {0.0001, "0.0001"},
      {0.00009999, "9.999E-05"},
      {-680.6, "-680.6"},
      {1.5e-300, "1.5E-300"},
      {DBL_MAX, "1.79769313486231E+308"},  // cut, so that it reads back
      {0x0.094fb0d3d0093p-1022, "8.09309072044202E-310"},
  };
  for (const auto& [x, text] : doubles) EXPECT_EQ(NumberText(Real(x)), text) << x;
  EXPECT_EQ(NumberText(Single(Real(16777217))), "1.677722E+07");
}

TEST(TwoDecimalText, FollowsThePattern) {
  const std::pair<double, const char*> cases[] = {
      {1.5, "1.50"},
      {0.75, ".75"},
      {2, "2.00"},
      {0, ".00"},
      {-0.0, ".00"},
      {1.125, "1.13"},
      {0.125, ".13"},
      {-0.125, "-.13"},
      {0.005, ".01"},
      {-0.005, "-.01"},
      {1.005, "1.00"},
      {2.675, "2.67"},
      {0.995, ".99"},
      {0.9951, "1.00"},
      {-1.02, "-1.02"},
      {-0.75, "-.75"},
      {-0.004, ".00"},
      {1e-300, ".00"},
      {99.999, "100.00"},
      {1e20, "100000000000000000000.00"},
      {123456789012345.67, "123456789012345.67"},
      {100000000000000.125, "100000000000000.13"},
      {-100000000000000.125, "-100000000000000.13"},
      {4503599627370495.5, "4503599627370495.50"},
      {50000000000000.0546875, "50000000000000.05"},
  };
  for (const auto& [x, text] : cases) EXPECT_EQ(TwoDecimalText(Real(x)), text) << x;
}

TEST(Single, StoringRoundsToSinglePrecision) {
  EXPECT_EQ(Single(Real(16777217)).value(), 16777216.0f);
  EXPECT_EQ(Single(Real(0.1)).value(), 0.1f);
  EXPECT_EQ(Single(Real(1e-50)).value(), 0.0f);
  EXPECT_EQ(Single(Real(3.4028234e38)).value(), FLT_MAX);
  ExpectFault([] { Single(Real(1e39)); }, FaultKind::Overflow, "1e39");
  ExpectFault([] { Single(Real(-3.5e38)); }, FaultKind::Overflow, "-3.5e38");
}

TEST(Real, EveryStepIsChecked) {
  const struct {
    const char* what;
    std::function<void()> step;
    FaultKind kind;
  } cases[] = {
      {"1/0", [] { Real(1) / Real(0); }, FaultKind::DivisionByZero},
      {"0/0", [] { Real(0) / Real(0.0); }, FaultKind::DivisionByZero},
      {"sqrt(-1)", [] { Sqrt(Real(-1)); }, FaultKind::InvalidArgument},
      {"1e308*10", [] { Real(1e308) * Real(10); }, FaultKind::Overflow},
      {"1e308+1e308", [] { Real(1e308) + Real(1e308); }, FaultKind::Overflow},
      {"-1e308-1e308", [] { Real(-1e308) - Real(1e308); }, FaultKind::Overflow},
      {"1e308/1e-10", [] { Real(1e308) / Real(1e-10); }, FaultKind::Overflow},
      {"RoundTo(inf)", [] { RoundTo(Real(HUGE_VAL), 2); }, FaultKind::Overflow},
      {"RoundTo(nan)", [] { RoundTo(Single::FromFloat(NAN), 0); }, FaultKind::InvalidArgument},
  };
  for (const auto& c : cases) ExpectFault(c.step, c.kind, c.what);
  EXPECT_EQ((Real(1e-300) * Real(1e-300)).value(), 0.0);
  EXPECT_EQ(Sqrt(Real(-0.0)).value(), 0.0);
}

}  // namespace
}  // namespace kasnak
