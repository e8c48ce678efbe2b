// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/numbers.h"

#include <fast_float/fast_float.h>
#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "numbers/text.h"

namespace kasnak {

ArithmeticFault::ArithmeticFault(FaultKind kind) : std::runtime_error(FaultName(kind)), kind_(kind) {}

namespace {

// Every operand is finite (faults stop a chain before a non-finite value is
// kept), so a non-finite result names its fault.
Real Checked(double r) {
  if (std::isnan(r)) throw ArithmeticFault(FaultKind::InvalidArgument);
  if (std::isinf(r)) throw ArithmeticFault(FaultKind::Overflow);
  return Real(r);
}

}  // namespace

float Single::Narrow(double d) {
  if (std::isnan(d)) throw ArithmeticFault(FaultKind::InvalidArgument);
  const float f = static_cast<float>(d);
  if (std::isinf(f)) throw ArithmeticFault(FaultKind::Overflow);
  return f;
}

Real operator+(Real a, Real b) { return Checked(a.value() + b.value()); }
Real operator-(Real a, Real b) { return Checked(a.value() - b.value()); }
Real operator*(Real a, Real b) { return Checked(a.value() * b.value()); }
Real operator-(Real a) { return Real(-a.value()); }

Real operator/(Real a, Real b) {
  if (b.value() == 0.0) throw ArithmeticFault(FaultKind::DivisionByZero);
  return Checked(a.value() / b.value());
}

Real Sqrt(Real a) {
  if (a.value() < 0.0) throw ArithmeticFault(FaultKind::InvalidArgument);
  return Checked(std::sqrt(a.value()));
}

Real Atan(Real a) { return Checked(std::atan(a.value())); }

Real Sin(Real a) { return Checked(std::sin(a.value())); }

// ---------------------------------------------------------------- reading

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The text without the blanks, which count nowhere.
std::string WithoutBlanks(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text)
    if (!IsBlank(c)) s.push_back(c);
  return s;
}

// A decimal number text as the reader has gathered it.  fast_float rounds it
// to the nearest double and gives infinity beyond the double range (an
// overflow) and 0 below it.
Real ParseDecimal(const std::string& digits) {
  double v = 0.0;
  const auto [end, ec] = fast_float::from_chars(digits.data(), digits.data() + digits.size(), v);
  if (ec != std::errc() || end != digits.data() + digits.size()) return Real(0.0);
  if (std::isinf(v)) throw ArithmeticFault(FaultKind::Overflow);
  return Real(v == 0.0 ? 0.0 : v);  // '-0' is plain 0
}

// '&H1F' or '&O17': a whole number in base 16 or 8, rounded to the nearest
// double.  The first 64 bits' worth of digits from the first non-zero one are
// kept exactly; any later non-zero digit is folded into the lowest bit, far
// below the 53 that the double keeps, so that it still decides a tie.
Real ReadPrefixed(const std::string& s) {
  const bool hex = s[1] == 'H' || s[1] == 'h';
  const int bitsPerDigit = hex ? 4 : 3;
  const int keptDigits = 64 / bitsPerDigit;
  std::uint64_t kept = 0;
  int keptCount = 0;
  int droppedDigits = 0;
  bool droppedNonZero = false;
  for (std::size_t i = 2; i < s.size(); ++i) {
    const char c = s[i];
    int digit = 0;
    if (IsDigit(c) && (hex || c <= '7'))
      digit = c - '0';
    else if (hex && c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else if (hex && c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else
      break;
    if (keptCount == 0 && digit == 0) continue;
    if (keptCount < keptDigits) {
      kept = (kept << bitsPerDigit) | static_cast<std::uint64_t>(digit);
      ++keptCount;
    } else {
      droppedDigits = std::min(droppedDigits + 1, 1 << 20);  // far beyond the double range already
      droppedNonZero = droppedNonZero || digit != 0;
    }
  }
  if (droppedNonZero) kept |= 1;
  const double v = std::ldexp(static_cast<double>(kept), droppedDigits * bitsPerDigit);
  if (std::isinf(v)) throw ArithmeticFault(FaultKind::Overflow);
  return Real(v);
}

}  // namespace

namespace {

bool Prefixed(const std::string& s) {
  return s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o');
}

// The longest start of s that is: sign, digits with at most one point, and
// an exponent (E or D, sign, digits) only when it has digits; the number as
// fast_float reads it, empty where it has no digit, and where it ends in s.
struct Scanned {
  std::string number;
  std::size_t end = 0;
};
Scanned ScanDecimal(const std::string& s) {
  Scanned scanned;
  std::string& number = scanned.number;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-') number.push_back('-');
    ++i;
  }
  bool anyDigit = false;
  bool point = false;
  for (; i < s.size(); ++i) {
    if (IsDigit(s[i])) {
      number.push_back(s[i]);
      anyDigit = true;
    } else if (s[i] == '.' && !point) {
      number.push_back('.');
      point = true;
    } else {
      break;
    }
  }
  if (!anyDigit) return {};
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent.push_back(s[j++]);
    const std::size_t firstDigit = j;
    while (j < s.size() && IsDigit(s[j])) exponent.push_back(s[j++]);
    if (j > firstDigit) {
      number += exponent;
      i = j;
    }
  }
  scanned.end = i;
  return scanned;
}

}  // namespace

Real ReadNumber(std::string_view text) {
  const std::string s = WithoutBlanks(text);
  if (Prefixed(s)) return ReadPrefixed(s);
  const Scanned scanned = ScanDecimal(s);
  if (scanned.number.empty()) return Real(0.0);
  return ParseDecimal(scanned.number);
}

bool ReadsWhole(std::string_view text) {
  const std::string s = WithoutBlanks(text);
  if (!Prefixed(s)) return !s.empty() && ScanDecimal(s).end == s.size();
  const bool hex = s[1] == 'H' || s[1] == 'h';
  auto digit = [hex](char c) {
    return (IsDigit(c) && (hex || c <= '7')) || (hex && ((c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f')));
  };
  return s.size() > 2 && std::all_of(s.begin() + 2, s.end(), digit);
}

// --------------------------------------------------------------- rounding

namespace {

enum class Tie { ToEven, AwayFromZero };

constexpr double kPowerOfTen[] = {1.0, 10.0, 100.0};

// The quick way for n <= 2: mag * 10^n (mag >= 0) rounded to a whole number k,
// decided on the exact product.  False when the product reaches 2^52 (or n is
// out of reach); the exact decimal expansion decides those.
//
// Below 2^52 the product's rounding error lo is itself a double, which fma
// yields exactly, so hi + lo is the exact product; and the fraction of hi is
// exact.  A bit of hi weighs at most 1/2, so that fraction is either exactly
// 1/2 or at least one bit of hi away from it, farther than |lo| (half a bit)
// can carry it: only at exactly 1/2 does lo decide, and only lo == 0 is a tie.
bool QuickScaled(double mag, int n, Tie tie, std::uint64_t& k) {
  if (n < 0 || n > 2) return false;
  const double scale = kPowerOfTen[n];
  const double hi = mag * scale;
  if (!(hi < 0x1p52)) return false;
  const double lo = std::fma(mag, scale, -hi);
  const double whole = std::floor(hi);
  const double fraction = hi - whole;
  k = static_cast<std::uint64_t>(whole);
  bool up = fraction > 0.5;
  if (fraction == 0.5) up = lo != 0.0 ? lo > 0.0 : (tie == Tie::AwayFromZero || k % 2 == 1);
  if (up) ++k;
  return true;
}

// The digits of the whole number mag * 10^n (mag >= 0) rounded as above.
// Beyond the quick way fmt writes the exact binary value rounded to n
// decimals, a tie to even.  A tie that goes away from zero (two decimals
// only) lies there on a value with three binary decimals: mag * 8 is then an
// odd whole number m below 2^53, and mag * 100 = 25m / 2 exactly.
std::string ScaledDigits(double mag, int n, Tie tie) {
  if (std::uint64_t k = 0; QuickScaled(mag, n, tie, k)) return std::to_string(k);
  if (tie == Tie::AwayFromZero && n == 2) {
    const double eighths = mag * 8;
    if (eighths < 0x1p53 && std::fmod(eighths, 2.0) == 1.0)
      return std::to_string((static_cast<std::uint64_t>(eighths) * 25 + 1) / 2);
  }
  std::string digits = fmt::format("{:.{}f}", mag, n);
  std::erase(digits, '.');
  return digits;
}

// The decimal text of the digits with n of them after a point: "123", 2 ->
// "1.23"; "5", 2 -> "0.05".
std::string PlacePoint(std::string digits, int n) {
  if (n == 0) return digits;
  if (digits.size() <= static_cast<std::size_t>(n))
    digits.insert(0, static_cast<std::size_t>(n) + 1 - digits.size(), '0');
  digits.insert(digits.end() - n, '.');
  return digits;
}

// x rounded to n decimals, a tie to even, as the nearest T to k / 10^n.  A zero
// result is +0 whatever the sign of x.
template <typename T>
T Rounded(T x, int n) {
  Checked(static_cast<double>(x));  // NaN or infinity: the fault it stands for
  const double mag = std::fabs(static_cast<double>(x));
  T r{};
  if (std::uint64_t k = 0; QuickScaled(mag, n, Tie::ToEven, k)) {
    // k < 2^53 and 10^n are exact, so the division rounds once to the nearest
    // double.  For float that is rounded again; it still lands on the float
    // nearest k / 10^n, because below 2^24 (floats from 2^23 on are whole and
    // come back unchanged) k / 10^n is a midpoint between two floats or lies
    // more than 2^-30 of its size away from one, far beyond the 2^-53 of the
    // first rounding.
    r = static_cast<T>(static_cast<double>(k) / kPowerOfTen[n]);
  } else {
    const std::string text = fmt::format("{:.{}f}", mag, n);
    fast_float::from_chars(text.data(), text.data() + text.size(), r);
  }
  return x < 0 && r != 0 ? -r : r;
}

}  // namespace

Real RoundTo(Real x, int n) { return Real(Rounded(x.value(), n)); }
Single RoundTo(Single x, int n) { return Single::FromFloat(Rounded(x.value(), n)); }

Real IntPart(Real x) { return Real(std::floor(x.value())); }
Single IntPart(Single x) { return Single::FromFloat(std::floor(x.value())); }

// ---------------------------------------------------------------- writing

namespace {

// The digits of x cut (not rounded) to `digits` significant ones, in the
// exponent form: for the few values next to the largest double, whose
// rounded text would read back beyond the double range.
std::string TruncatedText(double x, int digits) {
  const std::string text = fmt::format("{:.20e}", x);
  const std::size_t e = text.find('e');
  const std::size_t firstDigit = text[0] == '-' ? 1 : 0;
  std::string mantissa = text.substr(0, firstDigit + 2 + static_cast<std::size_t>(digits - 1));
  while (mantissa.back() == '0') mantissa.pop_back();
  if (mantissa.back() == '.') mantissa.pop_back();
  return mantissa + "E" + text.substr(e + 1);
}

// printf's "%.Ng" of x, with N = 7 for a float and 15 for a double: fmt
// rounds the exact value of x to N significant digits.  Zero, of either
// sign, is "0".
template <typename T>
std::string GeneralText(T x) {
  constexpr int kDigits = sizeof(T) == sizeof(float) ? 7 : 15;
  if (x == 0) return "0";
  // A double whose shortest form has at most 15 significant digits and no
  // exponent is written as that form: rounding its exact value to 15 digits
  // gives the same digits, as half a step of the 15th digit is wider than
  // half a step of the double.  The shortest form is found much faster.
  if constexpr (sizeof(T) == sizeof(double)) {
    const double size = std::fabs(x);
    if (size >= 1e-4 && size < 1e15) {
      std::string text = fmt::format("{}", x);
      const std::size_t digits = static_cast<std::size_t>(std::count_if(text.begin(), text.end(), IsDigit));
      const std::size_t leading = text.find_first_not_of("-0.");
      const std::size_t zeros = static_cast<std::size_t>(
          std::count_if(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(leading), IsDigit));
      if (text.find('e') == std::string::npos && digits - zeros <= kDigits) return text;
    }
  }
  std::string text = fmt::format("{:.{}g}", static_cast<double>(x), kDigits);
  double back = 0.0;
  fast_float::from_chars(text.data(), text.data() + text.size(), back);
  if (std::isinf(back)) return TruncatedText(x, kDigits);
  const std::size_t e = text.find('e');
  if (e != std::string::npos) text[e] = 'E';
  return text;
}

}  // namespace

std::string NumberText(Single x) { return GeneralText(x.value()); }
std::string NumberText(Real x) { return GeneralText(x.value()); }

namespace {

// Digit groups as thousands write them: a first group of one to three
// digits, not starting with 0, then groups of three.
bool Thousands(std::span<const std::string> groups) {
  if (groups.empty() || groups[0].empty() || groups[0].size() > 3 || groups[0][0] == '0') return false;
  return std::all_of(groups.begin() + 1, groups.end(), [](const std::string& g) { return g.size() == 3; });
}

// The separator and the number as it looks; none for a text that is a
// plain number or no number at all.
std::optional<NumberLook> AsItLooks(std::string_view text) {
  std::string sign;
  std::vector<std::string> groups(1);
  std::string separators;
  for (char c : text) {
    if (IsBlank(c)) continue;
    if ((c == '-' || c == '+') && sign.empty() && separators.empty() && groups[0].empty()) {
      sign = c;
    } else if (IsDigit(c)) {
      groups.back().push_back(c);
    } else if (c == '.' || c == ',') {
      separators.push_back(c);
      groups.emplace_back();
    } else {
      return std::nullopt;
    }
  }
  if (separators.empty() || std::any_of(groups.begin(), groups.end(), [](const std::string& g) { return g.empty(); }))
    return std::nullopt;
  std::string whole = sign;
  const char last = separators.back();
  const bool oneKind = separators.find_first_not_of(last) == std::string::npos;
  if (oneKind && Thousands(groups)) {
    for (const std::string& g : groups) whole += g;
    return NumberLook{last == '.' ? Separator::ThousandsDot : Separator::ThousandsComma, whole};
  }
  // The last separator a decimal one, any before it of the other kind and in
  // thousands.
  const std::span<const std::string> head(groups.data(), groups.size() - 1);
  const bool before = separators.size() == 1 ||
                      (separators.substr(0, separators.size() - 1).find(last) == std::string::npos && Thousands(head));
  if (!before) return std::nullopt;
  if (last == '.' && separators.size() == 1) return std::nullopt;  // a plain decimal point
  for (const std::string& g : head) whole += g;
  whole += '.' + groups.back();
  return NumberLook{last == ',' ? Separator::DecimalComma : Separator::ThousandsComma, whole};
}

}  // namespace

std::optional<NumberLook> LooksOtherThanRead(std::string_view text) {
  const Real read = ReadNumber(text);
  std::optional<NumberLook> look = AsItLooks(text);
  if (look && ReadNumber(look->number) == read) look.reset();
  return look;
}

std::string TwoDecimalText(Real x) {
  Checked(x.value());
  const std::string digits = ScaledDigits(std::fabs(x.value()), 2, Tie::AwayFromZero);
  std::string text = PlacePoint(digits, 2);
  if (text.rfind("0.", 0) == 0) text.erase(0, 1);
  const bool zero = digits.find_first_not_of('0') == std::string::npos;
  if (x.value() < 0 && !zero) text.insert(text.begin(), '-');
  return text;
}

}  // namespace kasnak
