// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the text and number rules.
//
// The input is read as a text by ReadNumber: it must give a finite number or
// an overflow fault, nothing else.  The input's bytes taken as a double and
// as a float, and the number the text reads as, then go through RoundTo,
// NumberText and TwoDecimalText:
//  - RoundTo(x, n) is the value nearest to x rounded to n decimals with a tie
//    to even, decided on the exact binary value (the standard library's exact
//    fixed-notation conversion is the reference);
//  - NumberText of a rounded value, read back by ReadNumber (and stored as a
//    Single for a Single), gives back exactly the rounded value while its
//    digits fit the 7 (Single) or 15 (Real) significant digits.  Beyond, a
//    Real reads back as a value with the same text (any text of 15 digits
//    survives a double); a Single reads back within half a unit of the 7th
//    digit and half a float spacing (7 digits do not always survive a float:
//    '1E+28' reads as the float nearest 1E28, which is written
//    '9.999999E+27');
//  - TwoDecimalText writes -?[0-9]*\.[0-9][0-9] with no leading zero, the
//    value rounded to two decimals with a tie away from zero.
//  - NumberText writes what printf's "%.7g" (Single) or "%.15g" (Real)
//    writes, with 'E' for 'e' (the standard library's general conversion is
//    the reference), but for the doubles next to the largest one, which are
//    cut so that they read back.
// A broken rule prints what broke and aborts.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "numbers/numbers.h"

namespace {

using kasnak::ArithmeticFault;
using kasnak::FaultKind;
using kasnak::NumberText;
using kasnak::ReadNumber;
using kasnak::Real;
using kasnak::RoundTo;
using kasnak::Single;
using kasnak::TwoDecimalText;

[[noreturn]] void Broken(const std::string& what) {
  std::fprintf(stderr, "broken: %s\n", what.c_str());
  std::abort();
}

std::string Exact(double x) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%a", x);
  return buf;
}

// |x| rounded to n decimals by the standard library, which rounds the exact
// binary value with a tie to even.
template <typename T>
std::string FixedText(T x, int n) {
  static char buf[1600];
  const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, n);
  if (res.ec != std::errc()) Broken("to_chars fixed failed for " + Exact(x));
  return std::string(buf, res.ptr);
}

template <typename T>
T Parsed(const std::string& text) {
  T v{};
  std::from_chars(text.data(), text.data() + text.size(), v);
  return v;
}

// printf's "%.Ng" of x by the standard library, with 'E' for 'e'.
std::string GeneralText(double x, int digits) {
  if (x == 0) return "0";
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, digits);
  std::string text(buf, res.ptr);
  if (const std::size_t e = text.find('e'); e != std::string::npos) text[e] = 'E';
  return text;
}

// A text whose every byte is read; an overflow fault is the only fault.
std::optional<double> Read(std::string_view text) {
  try {
    const double v = ReadNumber(text).value();
    if (!std::isfinite(v)) Broken("ReadNumber gave a non-finite value");
    return v;
  } catch (const ArithmeticFault& fault) {
    if (fault.kind() != FaultKind::Overflow) Broken(std::string("ReadNumber faulted with ") + fault.what());
    return std::nullopt;
  }
}

// Whether a value written with `digits` significant digits and n decimals
// keeps every digit: below 10^(digits - n).
bool FitsDigits(double r, int digits, int n) { return std::fabs(r) < std::pow(10.0, digits - n); }

void CheckRounding(double x) {
  for (int n = 0; n <= 2; ++n) {
    const std::string where = " for " + Exact(x) + " to " + std::to_string(n) + " decimals";
    double r = 0;
    try {
      r = RoundTo(Real(x), n).value();
    } catch (const ArithmeticFault&) {
      if (std::isfinite(x)) Broken("RoundTo faulted on a finite value" + where);
      continue;
    }
    if (!std::isfinite(x)) Broken("RoundTo gave a value for a non-finite one" + where);
    const double expected = std::copysign(Parsed<double>(FixedText(std::fabs(x), n)), x);
    if (r != expected) Broken("RoundTo gave " + Exact(r) + ", not " + Exact(expected) + where);

    const std::string text = NumberText(Real(r));
    if (std::fabs(r) < 1e308 && text != GeneralText(r, 15))
      Broken("NumberText wrote '" + text + "', not '" + GeneralText(r, 15) + "'" + where);
    const std::optional<double> back = Read(text);
    if (!back) Broken("NumberText '" + text + "' does not read back" + where);
    if (FitsDigits(r, 15, n) && *back != r) Broken("'" + text + "' reads back as " + Exact(*back) + where);
    if (NumberText(Real(*back)) != text) Broken("'" + text + "' reads back as another text" + where);
  }
}

// How far a float r written with 7 significant digits, as the text whose
// value is d, may read back from r: half a unit of the 7th digit (of the
// larger decade, should r and d straddle a power of ten) and half the float
// spacing at r.
double SevenDigitReach(float r, double d) {
  if (r == 0) return 0;
  const double top = std::max<double>(std::fabs(r), std::fabs(d));
  const double halfDigit = 0.5 * std::pow(10.0, std::floor(std::log10(top)) - 6);
  const float a = std::fabs(r);
  const float above = std::nextafter(a, std::numeric_limits<float>::infinity());
  const double spacing = std::isinf(above) ? a - std::nextafter(a, 0.0f) : static_cast<double>(above) - a;
  return (halfDigit + spacing / 2) * (1 + 1e-9);
}

void CheckRounding(float x) {
  for (int n = 0; n <= 2; ++n) {
    const std::string where = " for the float " + Exact(x) + " to " + std::to_string(n) + " decimals";
    float r = 0;
    try {
      r = RoundTo(Single::FromFloat(x), n).value();
    } catch (const ArithmeticFault&) {
      if (std::isfinite(x)) Broken("RoundTo faulted on a finite value" + where);
      continue;
    }
    if (!std::isfinite(x)) Broken("RoundTo gave a value for a non-finite one" + where);
    const float expected = std::copysign(Parsed<float>(FixedText(std::fabs(x), n)), x);
    if (r != expected) Broken("RoundTo gave " + Exact(r) + ", not " + Exact(expected) + where);

    const std::string text = NumberText(Single::FromFloat(r));
    if (text != GeneralText(r, 7)) Broken("NumberText wrote '" + text + "', not '" + GeneralText(r, 7) + "'" + where);
    const std::optional<double> read = Read(text);
    if (!read) Broken("NumberText '" + text + "' does not read back" + where);
    float back = 0;
    try {
      back = Single(Real(*read)).value();
    } catch (const ArithmeticFault&) {
      Broken("'" + text + "' does not fit a Single" + where);
    }
    if (FitsDigits(r, 7, n) && back != r) Broken("'" + text + "' reads back as " + Exact(back) + where);
    if (std::fabs(static_cast<double>(back) - r) > SevenDigitReach(r, *read))
      Broken("'" + text + "' reads back as " + Exact(back) + ", too far" + where);
  }
}

// A decimal text plus one unit in its last place: "0.99" -> "1.00".
std::string PlusOneInLastPlace(std::string s) {
  std::size_t k = s.size();
  while (k > 0) {
    --k;
    if (s[k] == '.') continue;
    if (s[k] != '9') {
      ++s[k];
      return s;
    }
    s[k] = '0';
  }
  return "1" + s;
}

void CheckTwoDecimals(double x) {
  std::string text;
  try {
    text = TwoDecimalText(Real(x));
  } catch (const ArithmeticFault&) {
    if (std::isfinite(x)) Broken("TwoDecimalText faulted on " + Exact(x));
    return;
  }
  if (!std::isfinite(x)) Broken("TwoDecimalText wrote '" + text + "' for a non-finite value");
  const std::string where = "TwoDecimalText wrote '" + text + "' for " + Exact(x);

  // -?[0-9]*\.[0-9][0-9], no leading zero.
  std::size_t i = text.starts_with('-') ? 1 : 0;
  const std::size_t firstDigit = i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
  const bool pattern = i + 3 == text.size() && text[i] == '.' && text[i + 1] >= '0' && text[i + 1] <= '9' &&
                       text[i + 2] >= '0' && text[i + 2] <= '9';
  if (!pattern) Broken(where + ": not the pattern");
  if (i > firstDigit && text[firstDigit] == '0') Broken(where + ": a leading zero");

  // The value: the exact expansion cut after two decimals, one more in the
  // last place unless what was cut is below a half (a half goes away from
  // zero).
  const std::string exact = FixedText(std::fabs(x), 1100);
  const std::size_t point = exact.find('.');
  std::string expected = exact.substr(0, point + 3);
  if (exact[point + 3] >= '5') expected = PlusOneInLastPlace(expected);
  const bool zero = expected.find_first_not_of("0.") == std::string::npos;
  expected.erase(0, std::min(expected.find_first_not_of('0'), expected.find('.')));
  if (x < 0 && !zero) expected.insert(0, "-");
  if (text != expected) Broken(where + ", not '" + expected + "'");
}

void CheckValue(double x) {
  CheckRounding(x);
  CheckTwoDecimals(x);
  if (std::isnan(x) || std::fabs(x) <= std::numeric_limits<float>::max()) CheckRounding(static_cast<float>(x));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<double> read = Read(text);
  // Appending a character that continues no number changes nothing; blanks
  // count nowhere.
  if (Read(std::string(text) + "x") != read) Broken("a trailing 'x' changes the number");
  if (Read(" " + std::string(text)) != read) Broken("a leading blank changes the number");

  if (read) CheckValue(*read);
  if (size >= sizeof(double)) {
    double x;
    std::memcpy(&x, data, sizeof x);
    CheckValue(x);
  }
  if (size >= sizeof(float)) {
    float f;
    std::memcpy(&f, data + size - sizeof f, sizeof f);
    CheckRounding(f);
    CheckTwoDecimals(f);
  }
  return 0;
}
