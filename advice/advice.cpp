// SPDX-License-Identifier: GPL-3.0-or-later
#include "advice/advice.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <type_traits>

#include "drive/length_factor.h"
#include "drive/profiles.h"
#include "drive/rating_table.h"
#include "numbers/numbers.h"
#include "procedures/calculate.h"

namespace kasnak {
namespace {

// The calculation runs on a copy, whose procedures act on the copy alone.
static_assert(std::is_copy_constructible_v<Panel>);

// The boxes whose text is read as a number, in the table's order.
constexpr Control kNumberBoxes[] = {Control::MotorPower,  Control::ScrewSpeed, Control::MotorPulley,
                                    Control::ScrewPulley, Control::RibCount,   Control::CenterDistance,
                                    Control::BeltLength};

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t\n") == std::string_view::npos; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "Vida Deviri", "Motor Gücü".
std::string Named(Control id) { return PromptName(id); }

// The number a reader sees in a text written with a thousands dot or a
// decimal comma ("4.000" is 4000, "12,5" is 12.5, "1.234,5" is 1234.5), as a
// text the program reads; none for any other text.
std::optional<std::string> AsItLooks(std::string_view text) {
  std::string s;
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\n') s.push_back(c);
  std::string looks;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) looks.push_back(s[i++]);
  // Whole part: digits in groups of three after the first, split by dots.
  std::size_t group = 0;
  bool dots = false;
  bool first = true;
  for (; i < s.size() && s[i] != ','; ++i) {
    if (IsDigit(s[i])) {
      looks.push_back(s[i]);
      ++group;
    } else if (s[i] == '.' && group > 0 && (first ? group <= 3 : group == 3)) {
      dots = true;
      first = false;
      group = 0;
    } else {
      return std::nullopt;
    }
  }
  if (group == 0 || (dots && group != 3)) return std::nullopt;
  if (i == s.size()) return dots ? std::optional(looks) : std::nullopt;
  // A decimal comma and its digits.
  looks.push_back('.');
  for (++i; i < s.size(); ++i) {
    if (!IsDigit(s[i])) return std::nullopt;
    looks.push_back(s[i]);
  }
  return looks.back() == '.' ? std::nullopt : std::optional(looks);
}

using List = std::vector<Advice>;

// Rule 1: a number that reads as another than it looks.
void Separators(const Panel& panel, List& out) {
  for (Control id : kNumberBoxes) {
    const std::string& text = panel.Text(id);
    const std::optional<std::string> looks = AsItLooks(text);
    if (!looks) continue;
    const Real read = ReadNumber(text);
    if (ReadNumber(*looks) == read) continue;
    const bool comma = text.find(',') != std::string::npos;
    out.push_back({comma ? "decimal-comma" : "thousands-dot", NumberText(read), id,
                   Named(id) + " kutusundaki “" + text + "”, " + NumberText(read) + " olarak okundu; " +
                       (comma ? "ondalık ayırıcı nokta olmalı." : "binlik ayırıcı yazmayın.")});
  }
}

// Rule 2: a value that is 0 or less, or a rib count below 1 or not whole.
void NotPositive(const Panel& panel, List& out) {
  for (Control id : kNumberBoxes) {
    if (id == Control::MotorPower || IsBlank(panel.Text(id))) continue;
    const Real value = ReadNumber(panel.Text(id));
    const std::string read = NumberText(value);
    if (id == Control::RibCount && value >= Real(1)) {
      if (std::floor(value.value()) != value.value())
        out.push_back({"not-whole", read, id, Named(id) + " tam sayı olmalı; " + read + " okundu."});
      continue;
    }
    if (id == Control::RibCount)
      out.push_back({"not-positive", read, id, Named(id) + " en az 1 olmalı; " + read + " okundu."});
    else if (value <= Real(0))
      out.push_back({"not-positive", read, id, Named(id) + " 0’dan büyük olmalı; " + read + " okundu."});
  }
}

// Rule 3: the belt speed shown above the selected profile's highest.
void BeltTooFast(const Panel& panel, List& out) {
  const std::optional<BeltProfile> profile = panel.SelectedProfile();
  const std::string& shown = panel.Caption(Control::BeltSpeed);
  if (!profile || IsBlank(shown)) return;
  const Profile& p = ProfileOf(*profile);
  const int highest = HighestBeltSpeed(p);
  if (!(ReadNumber(shown) > Real(highest))) return;
  out.push_back(
      {"belt-speed-above", std::to_string(highest), Control::BeltSpeed,
       "Kayış hızı " + shown + " m/sn; " + std::string(p.name) + " için en çok " + std::to_string(highest) + " m/sn."});
}

// Rule 4: the centre distance no more than the sum of the radii.
void PulleysTouch(const Panel& panel, List& out) {
  if (IsBlank(panel.Text(Control::CenterDistance))) return;
  const Single motorPulley = ReadNumber(panel.Text(Control::MotorPulley));
  const Single screwPulley = ReadNumber(panel.Text(Control::ScrewPulley));
  const Single centerDist = ReadNumber(panel.Text(Control::CenterDistance));
  if (!(motorPulley > 0 && screwPulley > 0 && centerDist > 0)) return;
  const Single radii = (motorPulley + screwPulley) / Real(2);
  if (centerDist > radii) return;
  out.push_back({"pulleys-touch", NumberText(radii), Control::CenterDistance,
                 "Eksen mesafesi " + NumberText(centerDist) + " mm, kasnak yarıçaplarının toplamı " +
                     NumberText(radii) + " mm: kasnaklar birbirine değiyor."});
}

// Rule 5: why the powers are 0, each reason as the calculation has it.
void ZeroPower(const Panel& panel, const Panel& calculated, List& out) {
  const std::string& shown = panel.Text(Control::RibPower);
  if (IsBlank(shown) || ReadNumber(shown) != Real(0) || ReadNumber(calculated.Text(Control::RibPower)) != Real(0))
    return;
  const DriveState& d = calculated.drive;
  const std::optional<BeltProfile> profile = calculated.SelectedProfile();
  const bool fastEnough = d.screwSpeed > kLowestRatedSpeed;
  const bool ratioEnough = d.ratio >= kLowestRatedRatio;
  const std::string prefix = "Güçler 0: ";
  if (!fastEnough)
    out.push_back({"zero-power:screw-speed", "", Control::ScrewSpeed,
                   prefix + "vida devri " + NumberText(d.screwSpeed) + " d/dk; tablo yalnızca " +
                       NumberText(kLowestRatedSpeed) + " d/dk üstünde güç verir."});
  if (!ratioEnough)
    out.push_back({"zero-power:ratio", "", Control::Ratio,
                   prefix + "devir oranı " + calculated.Caption(Control::Ratio) +
                       " (vida kasnağı motor kasnağından büyük); en az " + NumberText(kLowestRatedRatio) + " olmalı."});
  if (!profile) {
    out.push_back({"zero-power:no-profile", "", Control::ProfilePJ, prefix + "kayış tipi seçili değil."});
    return;
  }
  const std::string name(ProfileOf(*profile).name);
  const Single lowestRated = LowestRatedScrewSpeed(*profile, d.diaB);
  if (fastEnough && ratioEnough && d.ribRating == Real(0) && !(d.screwSpeed > lowestRated))
    out.push_back({"zero-power:below-table", "", Control::ScrewSpeed,
                   prefix + name + " tablosu " + NumberText(lowestRated) + " d/dk üstünü kapsar; vida devri " +
                       NumberText(d.screwSpeed) + " d/dk."});
  else if (fastEnough && ratioEnough && d.ribRating == Real(0))
    out.push_back({"zero-power:no-rating", "", Control::RibPower,
                   prefix + name + " tablosunda " + NumberText(d.diaB) + " mm vida kasnağı ve " +
                       NumberText(d.screwSpeed) + " d/dk için güç yok."});
  if (d.lengthFactor == Real(0))
    out.push_back({"zero-power:belt-short", "", Control::BeltLength,
                   prefix + "kayış boyu " + calculated.Text(Control::BeltLength) + " mm; " + name + " için en kısa " +
                       NumberText(ShortestRatedLength(*profile)) + " mm."});
}

// Rule 6: the belt carries less than the motor; the fewest ribs that carry
// it, each total rounded as "Hesapla" shows it.
void BeltBelowMotor(const Panel& panel, const Panel& calculated, List& out) {
  if (IsBlank(panel.Text(Control::BeltPower))) return;
  const Real motor = ReadNumber(panel.Text(Control::MotorPower));
  const DriveState& d = calculated.drive;
  const Real ribs = ReadNumber(calculated.Text(Control::RibCount));
  if (!(motor > Real(0)) || !(RoundTo(BeltPower(d, ribs), 2) < motor)) return;
  const Real perRib = BeltPower(d, Real(1));
  if (!(perRib > Real(0))) return;
  // A rib count beyond any belt is no advice.
  constexpr double kMostRibs = 1e6;
  double n = std::ceil((motor / perRib).value());
  if (!(n <= kMostRibs)) return;
  auto reaches = [&](double count) { return RoundTo(BeltPower(d, Real(count)), 2) >= motor; };
  n = std::max(n, 1.0);
  while (n > 1 && reaches(n - 1)) --n;
  while (!reaches(n)) ++n;
  const std::string count = NumberText(Real(n));
  out.push_back({"belt-below-motor", count, Control::RibCount,
                 "Kayış " + calculated.Text(Control::BeltPower) + " kW aktarır, motor " + NumberText(motor) +
                     " kW: en az " + count + " kanal gerekir."});
}

// Rule 7: a result shown differs from what "Hesapla" would show now.
void OutOfDate(const Panel& panel, const Panel& calculated, List& out) {
  constexpr Control kResults[] = {Control::WrapAngle, Control::RibPower, Control::BeltPower};
  for (Control id : kResults) {
    if (panel.Text(id) == calculated.Text(id)) continue;
    out.push_back(
        {"out-of-date", "", Control::CalculateButton,
         "Sonuçlar güncel değil: " + std::string(Def(Control::CalculateButton).caption) + "’ya yeniden basın."});
    return;
  }
}

// Runs one rule; a fault in reading or calculating gives no advice from it.
template <typename Rule>
void Apply(Rule rule) {
  try {
    rule();
  } catch (const ArithmeticFault&) {
  }
}

}  // namespace

std::vector<Advice> AdviceFor(const Panel& panel) {
  List out;
  Apply([&] { Separators(panel, out); });
  Apply([&] { NotPositive(panel, out); });
  Apply([&] { BeltTooFast(panel, out); });
  Apply([&] { PulleysTouch(panel, out); });
  // The rules on results, while results are shown.
  if (IsBlank(panel.Caption(Control::WrapAngle))) return out;
  std::optional<Panel> calculated;
  Apply([&] {
    Panel copy = panel;
    Calculate(copy);
    calculated = std::move(copy);
  });
  if (!calculated) return out;
  Apply([&] { ZeroPower(panel, *calculated, out); });
  Apply([&] { BeltBelowMotor(panel, *calculated, out); });
  Apply([&] { OutOfDate(panel, *calculated, out); });
  return out;
}

std::string AdviceCodes(const std::vector<Advice>& advice) {
  std::string codes;
  for (const Advice& a : advice) {
    if (!codes.empty()) codes += ' ';
    codes += a.code;
    if (!a.figure.empty()) codes += ':' + a.figure;
  }
  return codes;
}

}  // namespace kasnak
