#include "panel/numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace kasnak {

const char* FaultName(FaultKind kind) {
  switch (kind) {
    case FaultKind::Overflow:
      return "overflow";
    case FaultKind::DivisionByZero:
      return "division by zero";
    case FaultKind::InvalidArgument:
      return "invalid argument";
  }
  return "overflow";
}

const char* FaultMessage(FaultKind kind) {
  switch (kind) {
    case FaultKind::Overflow:
      return "Taşma";
    case FaultKind::DivisionByZero:
      return "Sıfıra bölme";
    case FaultKind::InvalidArgument:
      return "Geçersiz bağımsız değişken";
  }
  return "Taşma";
}

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

// ---------------------------------------------------------------- reading

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

// The text without the blanks, which count nowhere.
std::string WithoutBlanks(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text)
    if (!IsBlank(c)) s.push_back(c);
  return s;
}

// Whether a decimal number that does not fit a double is too large (rather
// than too small): its magnitude, the place of its first significant digit
// shifted by its exponent, lies above 1.
bool AboveOne(const std::string& number) {
  const std::size_t e = number.find('e');
  const std::string mantissa = number.substr(0, e);
  long long shift = 0;
  if (e != std::string::npos) {
    std::size_t i = e + 1;
    const bool negative = i < number.size() && number[i] == '-';
    if (i < number.size() && (number[i] == '-' || number[i] == '+')) ++i;
    for (; i < number.size(); ++i) shift = std::min(shift * 10 + (number[i] - '0'), 1000000000LL);
    if (negative) shift = -shift;
  }
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  if (first == std::string::npos) return false;
  const long long place =
      first < point ? static_cast<long long>(point - first) : -static_cast<long long>(first - point - 1);
  return place + shift > 0;
}

Real ParseOrOverflow(const std::string& digits, std::chars_format format) {
  double v = 0.0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v, format);
  if (ec == std::errc::result_out_of_range) {
    // Reported for a number too large and for one too small alike; only the
    // first is a fault, the second reads as 0.
    if (format == std::chars_format::hex || AboveOne(digits)) throw ArithmeticFault(FaultKind::Overflow);
    return Real(0.0);
  }
  if (ec != std::errc() || end != digits.data() + digits.size()) return Real(0.0);
  if (std::isinf(v)) throw ArithmeticFault(FaultKind::Overflow);
  return Real(v == 0.0 ? 0.0 : v);  // '-0' is plain 0
}

// '&H1F' or '&O17': a whole number in base 16 or 8.
Real ReadPrefixed(const std::string& s) {
  const bool hex = s[1] == 'H' || s[1] == 'h';
  std::string digits;
  for (std::size_t i = 2; i < s.size(); ++i) {
    const char c = s[i];
    const bool fits = hex ? IsHexDigit(c) : (c >= '0' && c <= '7');
    if (!fits) break;
    digits.push_back(c);
  }
  if (digits.empty()) return Real(0.0);
  if (!hex) {
    // Three bits a digit: rewrite the octal digits as binary, read as hex.
    std::string bits;
    for (char c : digits) {
      const int d = c - '0';
      bits += (d & 4) ? '1' : '0';
      bits += (d & 2) ? '1' : '0';
      bits += (d & 1) ? '1' : '0';
    }
    while (bits.size() % 4 != 0) bits.insert(bits.begin(), '0');
    digits.clear();
    for (std::size_t i = 0; i < bits.size(); i += 4) {
      const int v = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 + (bits[i + 3] - '0');
      digits.push_back("0123456789abcdef"[v]);
    }
  }
  return ParseOrOverflow(digits, std::chars_format::hex);
}

}  // namespace

Real ReadNumber(std::string_view text) {
  const std::string s = WithoutBlanks(text);
  if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o'))
    return ReadPrefixed(s);

  // The longest start of s that is: sign, digits with at most one point, and
  // an exponent (E or D, sign, digits) only when it has digits.
  std::string number;
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
  if (!anyDigit) return Real(0.0);
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent.push_back(s[j++]);
    const std::size_t firstDigit = j;
    while (j < s.size() && IsDigit(s[j])) exponent.push_back(s[j++]);
    if (j > firstDigit) number += exponent;
  }
  return ParseOrOverflow(number, std::chars_format::general);
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
// Beyond the quick way, decided on the exact decimal expansion of the binary
// value.
std::string ScaledDigits(double mag, int n, Tie tie) {
  static thread_local std::array<char, 1500> buf;
  if (std::uint64_t k = 0; QuickScaled(mag, n, tie, k)) {
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), k);
    return std::string(buf.data(), res.ptr);
  }
  int exponent = 0;
  std::frexp(mag, &exponent);
  // The lowest bit of the significand weighs 2^(exponent - 53): that many
  // fractional binary digits, and as many decimal ones, make the expansion
  // exact.
  const int precision = std::clamp(53 - exponent, n + 1, 1100);
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), mag, std::chars_format::fixed, precision);
  const std::string_view text(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
  const std::size_t dot = text.find('.');
  std::string digits(text.substr(0, dot));
  const std::string_view fraction = text.substr(dot + 1);
  digits.append(fraction.substr(0, static_cast<std::size_t>(n)));
  const std::string_view rest = fraction.substr(static_cast<std::size_t>(n));
  bool up = false;
  if (!rest.empty() && rest[0] >= '5') {
    const bool exactHalf = rest[0] == '5' && rest.find_first_not_of('0', 1) == std::string_view::npos;
    if (!exactHalf || tie == Tie::AwayFromZero)
      up = true;
    else
      up = ((digits.back() - '0') % 2) == 1;
  }
  if (up) {
    std::size_t k = digits.size();
    while (k > 0 && digits[k - 1] == '9') digits[--k] = '0';
    if (k == 0)
      digits.insert(digits.begin(), '1');
    else
      ++digits[k - 1];
  }
  const std::size_t lead = digits.find_first_not_of('0');
  digits.erase(0, std::min(lead, digits.size() - 1));
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
    const std::string text = PlacePoint(ScaledDigits(mag, n, Tie::ToEven), n);
    std::from_chars(text.data(), text.data() + text.size(), r);
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
  std::array<char, 64> buf;
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::scientific, 20);
  std::string text(buf.data(), res.ptr);
  const std::size_t e = text.find('e');
  const std::size_t firstDigit = text[0] == '-' ? 1 : 0;
  std::string mantissa = text.substr(0, firstDigit + 2 + static_cast<std::size_t>(digits - 1));
  while (mantissa.back() == '0') mantissa.pop_back();
  if (mantissa.back() == '.') mantissa.pop_back();
  return mantissa + "E" + text.substr(e + 1);
}

std::string GeneralText(double x, int digits) {
  if (x == 0.0) return "0";
  std::array<char, 64> buf;
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::general, digits);
  std::string text(buf.data(), res.ptr);
  double back = 0.0;
  if (std::from_chars(text.data(), text.data() + text.size(), back).ec == std::errc::result_out_of_range &&
      std::fabs(x) > 1.0)
    return TruncatedText(x, digits);
  const std::size_t e = text.find('e');
  if (e != std::string::npos) text[e] = 'E';
  return text;
}

}  // namespace

std::string NumberText(Single x) { return GeneralText(x.value(), 7); }
std::string NumberText(Real x) { return GeneralText(x.value(), 15); }

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
