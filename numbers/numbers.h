// SPDX-License-Identifier: GPL-3.0-or-later
// The text and number rules every procedure of the window uses.
//
// Texts become numbers through ReadNumber and numbers become texts through
// NumberText, RoundTo, IntPart and TwoDecimalText; nothing else in the
// program parses or formats a number.
//
// Arithmetic runs in double precision on Real values; every step is checked
// and a fault (overflow, division by zero, invalid argument) is thrown as an
// ArithmeticFault, which stops the running procedure and every procedure of
// its chain.  Stored values are Single: assigning a Real to a Single rounds it
// to single precision, and a value beyond the single range is an overflow.
#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kasnak {

enum class FaultKind { Overflow, DivisionByZero, InvalidArgument };

// Each kind of fault, one row each in the order of FaultKind: the name the
// scenario runner prints and the Turkish message of the window's fault box.
struct FaultDef {
  FaultKind kind;
  const char* name;
  const char* message;
};
// clang-format off
inline constexpr std::array<FaultDef, 3> kFaults = {{
    {FaultKind::Overflow,        "overflow",         "Taşma: bir değer hesaplanamayacak kadar büyük."},
    {FaultKind::DivisionByZero,  "division by zero", "Sıfıra bölme: bir değer 0 olduğu için hesap yapılamıyor."},
    {FaultKind::InvalidArgument, "invalid argument", "Geçersiz işlem: bu değerlerle hesap yapılamıyor."},
}};
// clang-format on
static_assert(
    [] {
      for (std::size_t i = 0; i < kFaults.size(); ++i)
        if (static_cast<std::size_t>(kFaults[i].kind) != i) return false;
      return true;
    }(),
    "each row in the place of its kind");

constexpr const FaultDef& Def(FaultKind kind) { return kFaults[static_cast<std::size_t>(kind)]; }

// Every kind of fault, in the table's order.
inline constexpr std::array kFaultKinds = [] {
  std::array<FaultKind, kFaults.size()> kinds{};
  for (std::size_t i = 0; i < kFaults.size(); ++i) kinds[i] = kFaults[i].kind;
  return kinds;
}();

// The name the scenario runner prints.
constexpr const char* FaultName(FaultKind kind) { return Def(kind).name; }

class ArithmeticFault : public std::runtime_error {
 public:
  explicit ArithmeticFault(FaultKind kind);
  FaultKind kind() const { return kind_; }

 private:
  FaultKind kind_;
};

class Single;

// A double-precision intermediate value.  Every operator checks its result.
class Real {
 public:
  constexpr Real() = default;
  constexpr Real(double v) : v_(v) {}  // NOLINT: numbers flow in freely
  constexpr Real(int v) : v_(v) {}     // NOLINT
  Real(Single s);                      // NOLINT: exact widening
  constexpr double value() const { return v_; }

 private:
  double v_ = 0.0;
};

// A stored single-precision value.  It has no arithmetic of its own: it
// widens to Real, so every computation runs in double precision.
class Single {
 public:
  constexpr Single() = default;
  Single(Real r) : f_(Narrow(r.value())) {}  // NOLINT: storing rounds
  constexpr float value() const { return f_; }
  static constexpr Single FromFloat(float f) {
    Single s;
    s.f_ = f;
    return s;
  }

 private:
  static float Narrow(double d);
  float f_ = 0.0f;
};

inline Real::Real(Single s) : v_(s.value()) {}

Real operator+(Real a, Real b);
Real operator-(Real a, Real b);
Real operator*(Real a, Real b);
Real operator/(Real a, Real b);
Real operator-(Real a);
Real Sqrt(Real a);
Real Atan(Real a);
// The sine of an angle in radians.
Real Sin(Real a);

inline bool operator==(Real a, Real b) { return a.value() == b.value(); }
inline std::partial_ordering operator<=>(Real a, Real b) { return a.value() <=> b.value(); }

// The number at the start of a text (0 when there is none).  A number beyond
// the double range is an overflow fault.
Real ReadNumber(std::string_view text);
// The whole text, blanks aside, is the number that ReadNumber reads in it:
// "279.51178", "1E400", "&H1F", not "12abc", "4.000.000" or an empty text.
bool ReadsWhole(std::string_view text);

// How a text written with separators looks to a reader: "4.000" (thousands
// dot), "4,000" and "1,234.5" (thousands comma), "12,5" and "1.234,5"
// (decimal comma), and the number a reader sees in it, as ReadNumber would
// read it written plainly ("4000", "1234.5", "12.5").
enum class Separator { ThousandsDot, ThousandsComma, DecimalComma };
struct NumberLook {
  Separator separator;
  std::string number;
};
// The look of a text that looks like another number than ReadNumber reads
// in it; none for a plain number, a text that is no number, or one that
// reads as it looks.  A fault in reading either is thrown.
std::optional<NumberLook> LooksOtherThanRead(std::string_view text);

// x rounded to n decimals (n = 0, 1 or 2), a tie going to the even
// neighbour, decided on the exact binary value.  Keeps the precision of x.
Single RoundTo(Single x, int n);
Real RoundTo(Real x, int n);

// The largest whole number not greater than x.
Single IntPart(Single x);
Real IntPart(Real x);

// The general text of a number: 7 significant digits for a Single, 15 for a
// Real, '.' as decimal point, no trailing zeros.
std::string NumberText(Single x);
std::string NumberText(Real x);

// The pattern "#.00": two decimals, a tie away from zero, no digit before the
// point below 1.
std::string TwoDecimalText(Real x);

}  // namespace kasnak
