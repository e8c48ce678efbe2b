// SPDX-License-Identifier: GPL-3.0-or-later
#include "advice/advice.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <string_view>
#include <type_traits>

#include "drive/geometry.h"
#include "drive/length_factor.h"
#include "drive/motor_speeds.h"
#include "drive/profiles.h"
#include "drive/pulley_width.h"
#include "drive/rating_table.h"
#include "drive/shown.h"
#include "numbers/numbers.h"
#include "numbers/text.h"
#include "procedures/calculate.h"

namespace kasnak {
namespace {

// The calculations run on copies, whose procedures act on the copy alone.
static_assert(std::is_copy_constructible_v<Panel>);

// "Vida Deviri", "Motor Gücü".
std::string Named(Control id) { return PromptName(id); }
// The name as a sentence writes it, each word after the first in lower case:
// "Eksen mesafesi"; with `first`, the first word too: "kayış boyu".  The
// prompts' capitals are ASCII letters or İ, Ç, Ğ, Ö, Ş, Ü.
std::string InSentence(Control id, bool first = false) {
  static constexpr std::pair<std::string_view, std::string_view> kCapitals[] = {
      {"I", "ı"}, {"İ", "i"}, {"Ç", "ç"}, {"Ğ", "ğ"}, {"Ö", "ö"}, {"Ş", "ş"}, {"Ü", "ü"}};
  const std::string name = Named(id);
  std::string out;
  bool wordStart = first;
  for (std::size_t i = 0; i < name.size();) {
    const std::string_view rest = std::string_view(name).substr(i);
    const auto* capital = std::find_if(std::begin(kCapitals), std::end(kCapitals),
                                       [&](const auto& c) { return rest.starts_with(c.first); });
    if (wordStart && capital != std::end(kCapitals)) {
      out += capital->second;
      i += capital->first.size();
    } else {
      const char c = name[i++];
      out += wordStart && c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    wordStart = out.back() == ' ';
  }
  return out;
}

// A number as a sentence writes it: with a leading zero below 1 ("0.68").
std::string Figure(Single x) { return NumberText(x); }
std::string Figure(Real x) { return NumberText(x); }

// ---- the panel as the rules read it

// The fewest ribs (at most a million) whose belt, rounded as "Hesapla" shows
// it, carries `motor` kW: none when one rib carries nothing.
std::optional<Real> FewestRibs(const DriveState& d, Real motor) {
  const Real perRib = BeltPower(d, Real(1));
  if (!(perRib > Real(0))) return std::nullopt;
  constexpr double kMostRibs = 1e6;
  double n = std::max(std::ceil((motor / perRib).value()), 1.0);
  if (!(n <= kMostRibs)) return std::nullopt;
  auto carries = [&](double count) { return ShownPower(BeltPower(d, Real(count))) >= motor; };
  while (n > 1 && carries(n - 1)) --n;
  while (!carries(n)) ++n;
  return Real(n);
}

// What a box's text reads as, read once.
struct Facts {
  bool blank = true;
  Real number;
  std::optional<FaultKind> fault;
  std::optional<NumberLook> otherwise;
};

class Reading {
 public:
  Reading(const Panel& panel, const CalculatedCopy& calculated) : panel(panel), calculated_(calculated) {}

  const Panel& panel;

  bool Blank(Control id) const { return Box(id).blank; }
  // The number a box's text reads as; a text beyond the double range throws
  // its fault again at each reading.
  Real Number(Control id) const {
    const Facts& box = Box(id);
    if (box.fault) throw ArithmeticFault(*box.fault);
    return box.number;
  }
  // The text looks like another number than it reads as.
  const std::optional<NumberLook>& Otherwise(Control id) const {
    const Facts& box = Box(id);
    if (box.fault) throw ArithmeticFault(*box.fault);
    return box.otherwise;
  }
  // The user's own text, typed or picked.
  bool Entered(Control id) const { return !Blank(id) && !panel.ByProgram(id); }
  bool ResultsShown() const { return !IsBlank(panel.Caption(Control::WrapAngle)); }

  // The panel as "Hesapla" would leave it now, on a copy; none when it
  // faults.
  const Panel* Calculated() const { return calculated_.Get(); }
  std::optional<FaultKind> CalculateFault() const { return calculated_.Fault(); }

  // The results shown are what "Hesapla" gives now.
  bool Current() const {
    const Panel* calculated = Calculated();
    return ResultsShown() && calculated && ResultsCurrent(panel, *calculated);
  }

  // A number given that reads as it looks and is above 0: a box that no
  // advice of its own speaks of.
  bool Sound(Control id) const { return !Blank(id) && !Otherwise(id) && Number(id) > Real(0); }

  // The motor's power, kW, where it is given and sound.
  std::optional<Real> Motor() const {
    return Sound(Control::MotorPower) ? std::optional(Number(Control::MotorPower)) : std::nullopt;
  }

  // The ribs the belt needs to carry the motor, where it has ribs and they
  // are too few.
  std::optional<Real> RibsNeeded() const {
    if (!ribsNeeded_) {
      ribsNeeded_.emplace();
      const Panel* calculated = Calculated();
      const std::optional<Real> motor = Motor();
      if (!calculated || !motor || Blank(Control::RibCount) || Blank(Control::BeltPower)) return std::nullopt;
      const Real ribs = Number(Control::RibCount);
      if (ribs >= Real(1) && ShownPower(BeltPower(calculated->drive, ribs)) < *motor)
        *ribsNeeded_ = FewestRibs(calculated->drive, *motor);
    }
    return *ribsNeeded_;
  }

 private:
  const Facts& Box(Control id) const {
    std::optional<Facts>& box = boxes_[IndexOf(id)];
    if (!box) {
      box.emplace();
      const std::string& text = panel.Text(id);
      box->blank = IsBlank(text);
      try {
        box->number = ReadNumber(text);
        box->otherwise = LooksOtherThanRead(text);
      } catch (const ArithmeticFault& fault) {
        box->fault = fault.kind();
      }
    }
    return *box;
  }

  mutable std::array<std::optional<Facts>, kControlCount> boxes_;
  const CalculatedCopy& calculated_;
  mutable std::optional<std::optional<Real>> ribsNeeded_;
};

// ---- the rules: each says one thing of one control, or nothing

// A box's figure as the box shows it where its whole text is the number it
// reads as, and that number looks as it reads: its text without the blanks
// around it.  Otherwise, an empty box among them, the number it reads as.
std::string AsShown(const Reading& r, Control box) {
  const std::string& shown = r.panel.Text(box);
  if (r.Otherwise(box) || !ReadsWhole(shown)) return Figure(r.Number(box));
  std::string_view text = shown;
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

struct Said {
  std::string figure;
  std::string text;
};
using Saying = std::optional<Said>;

Said Say(std::string figure, std::string text) { return {std::move(figure), std::move(text)}; }

// Where the out-of-date advice may stand: the button, then the boxes
// "Hesapla" reads, in reading order.
constexpr Control kOutOfDateAbout[] = {Control::CalculateButton, Control::ScrewSpeed, Control::MotorPulley,
                                       Control::ScrewPulley,     Control::RibCount,   Control::CenterDistance};
constexpr std::span<const Control> kCalculateReads = std::span(kOutOfDateAbout).subspan(1);

// Where "Hesapla" faults: the first box it reads whose text cannot be read,
// or else, for a division by zero or an invalid argument, the first pulley
// that is not above 0; and why, in the fault's words.
struct Faulting {
  Control box;
  std::string why;
};
std::optional<Faulting> FaultingBox(const Reading& r) {
  const std::optional<FaultKind> fault = r.CalculateFault();
  if (!fault) return std::nullopt;
  for (Control box : kCalculateReads) {
    try {
      r.Number(box);
    } catch (const ArithmeticFault&) {
      return Faulting{box, "çok büyük bir sayı"};
    }
  }
  if (*fault == FaultKind::Overflow) return std::nullopt;
  for (Control box : {Control::MotorPulley, Control::ScrewPulley})
    if (!(r.Number(box) > Real(0)))
      return Faulting{
          box, *fault == FaultKind::DivisionByZero ? "sıfıra bölmeye yol açıyor" : "geçersiz bir işleme yol açıyor"};
  return std::nullopt;
}

// Results shown that "Hesapla" would not show now; where it faults, on the
// box that makes it fault.
Saying OutOfDate(const Reading& r, Control about) {
  const std::string calculate(Def(Control::CalculateButton).caption);
  if (!r.Calculated()) {
    const std::optional<Faulting> faulting = FaultingBox(r);
    if ((faulting ? faulting->box : Control::CalculateButton) != about) return std::nullopt;
    if (!faulting)
      return Say("", "Sonuçlar güncel değil: " + calculate + " bu değerlerle hata verir; girdileri düzeltin.");
    return Say("", "Sonuçlar güncel değil: " + calculate + " hata verir; " + Named(about) + ": “" +
                       r.panel.Text(about) + "” " + faulting->why + ".");
  }
  if (about != Control::CalculateButton || r.Current()) return std::nullopt;
  return Say("", "Sonuçlar güncel değil: " + calculate + "’ya yeniden basın.");
}

// A number written with a separator the program does not read as written.
Saying Separated(const Reading& r, Control box, Separator kind) {
  const std::string& text = r.panel.Text(box);
  const std::optional<NumberLook>& looks = r.Otherwise(box);
  if (!looks || looks->separator != kind) return std::nullopt;
  const std::string read = Figure(r.Number(box));
  std::string what = box == Control::RibCount          ? "ayırıcısız bir tam sayı yazın."
                     : kind == Separator::DecimalComma ? "ondalık ayırıcı nokta olmalı."
                                                       : "binlik ayırıcı kullanmayın.";
  return Say(read, Named(box) + " kutusundaki “" + text + "”, " + read + " olarak okundu; " + what);
}
Saying ThousandsDot(const Reading& r, Control box) { return Separated(r, box, Separator::ThousandsDot); }
Saying ThousandsComma(const Reading& r, Control box) { return Separated(r, box, Separator::ThousandsComma); }
Saying DecimalComma(const Reading& r, Control box) { return Separated(r, box, Separator::DecimalComma); }

// A value the user gave that is 0 or less; a rib count below 1.
Saying NotPositive(const Reading& r, Control box) {
  if (!r.Entered(box) || r.Otherwise(box)) return std::nullopt;
  const Real value = r.Number(box);
  const bool ribs = box == Control::RibCount;
  if (ribs ? !(value < Real(1)) : !(value <= Real(0))) return std::nullopt;
  const std::string read = AsShown(r, box);
  return Say(read, Named(box) + (ribs ? " en az 1 olmalı; " : " 0’dan büyük olmalı; ") + read + " okundu.");
}

// A rib count that is not whole.
Saying NotWhole(const Reading& r, Control box) {
  if (!r.Entered(box) || r.Otherwise(box)) return std::nullopt;
  const Real value = r.Number(box);
  if (!(value >= Real(1)) || std::floor(value.value()) == value.value()) return std::nullopt;
  const std::string read = AsShown(r, box);
  return Say(read, Named(box) + " tam sayı olmalı; " + read + " okundu.");
}

// The motor power typed: the rated speed of no motor, or of another motor
// than the one whose speed is shown.
std::optional<std::string_view> TypedMotorSpeed(const Reading& r, Control box) {
  if (!r.Entered(box) || r.Otherwise(box)) return std::nullopt;
  const Real power = r.Number(box);
  if (!(power > Real(0))) return std::nullopt;
  return RatedSpeed(power.value(), r.panel.Value(Control::FourPole), r.panel.Value(Control::CompactMotor));
}
Saying MotorNotListed(const Reading& r, Control box) {
  const std::optional<std::string_view> rated = TypedMotorSpeed(r, box);
  if (!rated || !rated->empty()) return std::nullopt;
  const std::string power = AsShown(r, box);
  return Say(power, Named(box) + " listesinde " + power + " kW yok, motor devri bilinmiyor: listeden bir güç seçin.");
}
Saying MotorNotApplied(const Reading& r, Control box) {
  const std::optional<std::string_view> rated = TypedMotorSpeed(r, box);
  if (!rated || rated->empty() || *rated == r.panel.Caption(Control::MotorSpeed)) return std::nullopt;
  const std::string power = AsShown(r, box);
  return Say(power, "Yazılan " + power + " kW henüz okunmadı: gücü listeden seçin.");
}

// An input that "Hesapla" needed and was not given.  The motor pulley,
// which the program proposes, only once the rest is given.
struct MissingInput {
  Control box;
  std::string_view text;
};
constexpr MissingInput kMissingInputs[] = {
    {Control::MotorPower, "Motor gücü seçilmedi."},
    {Control::ScrewSpeed, "Vida devri girilmedi."},
    {Control::MotorPulley, "Motor kasnağı seçilmedi."},
    {Control::ScrewPulley, "Vida kasnağı seçilmedi."},
};
constexpr auto kMissingAbout = [] {
  std::array<Control, std::size(kMissingInputs)> about{};
  for (std::size_t i = 0; i < about.size(); ++i) about[i] = kMissingInputs[i].box;
  return about;
}();
Saying Missing(const Reading& r, Control box) {
  if (!r.Blank(box)) return std::nullopt;
  // The motor pulley, emptied by the program for a motor speed it does not
  // know, or not yet proposed: only once the rest is given.
  if (box == Control::MotorPulley &&
      (r.panel.ByProgram(box) || std::any_of(std::begin(kMissingInputs), std::end(kMissingInputs),
                                             [&](const MissingInput& m) { return m.box != box && r.Blank(m.box); })))
    return std::nullopt;
  const auto missing = std::find_if(std::begin(kMissingInputs), std::end(kMissingInputs),
                                    [&](const MissingInput& m) { return m.box == box; });
  return Say("", std::string(missing->text));
}

// A value the user gave that the program replaced with 0 or an empty text,
// and what to do; the motor pulley, which the program derives from the
// screw pulley, until one is chosen and then until the user picks it again.
Saying Replaced(const Reading& r, Control box) {
  const std::string& given = r.panel.Replaced(box);
  if (given.empty() || !r.panel.ByProgram(box) || (!r.Blank(box) && r.Number(box) != Real(0))) return std::nullopt;

  if (box == Control::MotorPulley && (r.Blank(Control::ScrewPulley) || !(r.Number(Control::ScrewPulley) > Real(0))))
    return Say("", "Motor kasnağı vida kasnağından hesaplanır: önce " + Named(Control::ScrewPulley) + "’nı seçin.");
  if (box == Control::MotorPulley && IsBlank(r.panel.Caption(Control::MotorSpeed)))
    return Say("", "Motor kasnağı motor devri olmadan hesaplanamaz: önce " + Named(Control::MotorPower) + "’nü seçin.");
  if (box == Control::MotorPulley)
    return Say("", "Verdiğiniz “" + given +
                       (r.Blank(box) ? "” program tarafından silindi: " : "” yerine program 0 yazdı: ") + Named(box) +
                       "’nı yeniden seçin.");
  if (box == Control::ScrewSpeed && IsBlank(r.panel.Caption(Control::MotorSpeed)))
    return Say("", "Vida devri kasnaklardan ve motor devrinden hesaplanır; motor seçilmediği için “" + given +
                       "” yerine 0 yazıldı: önce " + Named(Control::MotorPower) + "’nü seçin.");
  if (r.Blank(box)) return Say("", Named(box) + ": girdiğiniz “" + given + "” program tarafından silindi.");
  return Say("", Named(box) + ": girdiğiniz “" + given + "” yerine program 0 yazdı.");
}

// No rib count given: the fewest that carry the motor, where known.
Saying NoRibs(const Reading& r, Control box) {
  if (!r.Blank(box)) return std::nullopt;
  const Panel* calculated = r.Calculated();
  const std::optional<Real> motor = r.Motor();
  const std::optional<Real> ribs = calculated && motor ? FewestRibs(calculated->drive, *motor) : std::nullopt;
  const std::string missing = InSentence(box) + " girilmedi";
  if (!ribs) return Say("", missing + ".");
  return Say(Figure(*ribs),
             missing + ": " + Figure(*motor) + " kW’lık motor için en az " + Figure(*ribs) + " kanal gerekir.");
}

// A profile the program took away, and the limit that took it.
Saying ProfileTaken(const Reading& r, Control button) {
  if (r.panel.Value(button) || !r.panel.ByProgram(button)) return std::nullopt;
  const Profile& p = ProfileOf(static_cast<BeltProfile>(Def(button).index));
  const std::string name(p.name);
  return Say(name, "Kayış tipi seçili değil: " + name + ", vida devri " + std::to_string(p.highestScrewSpeed) +
                       " d/dk üstündeyken kullanılamaz; seçimi kaldırıldı.");
}

// The motor speed, the screw speed and the two pulleys disagree beyond the
// rounding of the figures shown: the pulleys' whole millimetre and the
// ratio's hundredth, through which the program proposes a motor pulley, and
// the screw speed's whole rpm.
Saying PulleysDisagree(const Reading& r, Control box) {
  const Single motorSpeed = ReadNumber(r.panel.Caption(Control::MotorSpeed));
  if (!(motorSpeed > 0) || !r.Sound(Control::ScrewSpeed) || !r.Sound(box) || !r.Sound(Control::ScrewPulley))
    return std::nullopt;
  const Single screwSpeed = r.Number(Control::ScrewSpeed);
  const Single motorPulley = r.Number(box);
  const Single screwPulley = r.Number(Control::ScrewPulley);
  const Real given = motorSpeed * motorPulley / screwPulley;
  const Real slack =
      motorSpeed * (Real(kWholeStep) + Real(kRatioHalfStep) * screwPulley) / screwPulley + Real(kWholeStep);
  const Real off = given - screwSpeed;
  if (!(off > slack || -off > slack)) return std::nullopt;
  const std::string turns = NumberText(ShownWhole(given));
  return Say(turns, "Motor/vida kasnağı " + AsShown(r, box) + "/" + AsShown(r, Control::ScrewPulley) + " mm ile vida " +
                        turns + " d/dk döner, " + AsShown(r, Control::ScrewSpeed) + " değil.");
}

// The belt speed shown above the selected profile's highest, or with no
// profile above every profile's.
Saying BeltTooFast(const Reading& r, Control box) {
  const std::string& shown = r.panel.Caption(box);
  if (IsBlank(shown)) return std::nullopt;
  const std::optional<BeltProfile> selected = r.panel.SelectedProfile();
  const Profile* fastest = &ProfileOf(selected.value_or(BeltProfile::PJ));
  for (const Profile& p : kProfiles)
    if (!selected && p.highestBeltSpeed > fastest->highestBeltSpeed) fastest = &p;
  if (!BeltSpeedTooHigh(*fastest, ReadNumber(shown).value())) return std::nullopt;
  const std::string limit = std::to_string(fastest->highestBeltSpeed);
  if (!selected)
    return Say(limit, InSentence(box) + " " + shown + " m/sn; hiçbir kayış tipi " + limit + " m/sn’yi aşamaz.");
  return Say(limit, InSentence(box) + " " + shown + " m/sn; " + std::string(ProfileOf(*selected).name) +
                        " için en çok " + limit + " m/sn.");
}

// The centre distance no more than the sum of the radii, where "Hesapla"
// keeps it there: the smallest whole millimetres that clear them after
// "Hesapla".
Saying PulleysTouch(const Reading& r, Control box) {
  const Single motorPulley = r.Number(Control::MotorPulley);
  const Single screwPulley = r.Number(Control::ScrewPulley);
  if (r.Blank(box) || !(motorPulley > 0 && screwPulley > 0) || r.Otherwise(box)) return std::nullopt;
  const Single radii = MeanDiameter(motorPulley, screwPulley);
  const Single centerDist = r.Number(box);
  if (!(centerDist > 0) || centerDist > radii || RaisedToFloor(centerDist, motorPulley, screwPulley))
    return std::nullopt;
  // A whole millimetre above the radii, or the next one where the belt
  // length's rounding brings "Hesapla" back onto them.
  Real clear = IntPart(Real(radii)) + Real(1);
  Panel copy = r.panel;
  for (int next = 0; next < 2; ++next, clear = clear + Real(1)) {
    copy.SetText(box, NumberText(clear));
    Calculate(copy);
    if (ReadNumber(copy.Text(box)) > radii) break;
  }
  return Say(NumberText(clear), InSentence(box) + " " + AsShown(r, box) + " mm, yarıçaplar toplamı " + Figure(radii) +
                                    " mm: kasnaklar değiyor; en az " + NumberText(clear) + " mm yazın.");
}

// A centre distance under the floor that "Hesapla" raises it to, typed or
// from a typed belt length: the belt "Hesapla" will give.
Saying UnderFloor(const Reading& r, Control box) {
  const bool typed = r.Entered(box) || (r.panel.ByProgram(box) && r.Entered(Control::BeltLength));
  if (r.Blank(box) || !typed || r.Otherwise(box)) return std::nullopt;
  // "Hesapla" raises it to the pulleys' mean diameter, then to the floor.
  const Single centerDist = r.Number(box);
  if (!(centerDist > 0) || !RaisedToFloor(centerDist, r.Number(Control::MotorPulley), r.Number(Control::ScrewPulley)))
    return std::nullopt;
  const std::string floor = NumberText(kMinimumCenterDist);
  const std::string takes = InSentence(box) + " " + AsShown(r, box) + " mm, alt sınır " + floor +
                            " mm: " + std::string(Def(Control::CalculateButton).caption) + " " + floor + " mm alır";
  // The belt it will give, where it calculates.
  const Panel* calculated = r.Calculated();
  if (!calculated) return Say(floor, takes + ".");
  const std::string& belt = calculated->Text(Control::BeltLength);
  return Say(belt, takes + ", " + InSentence(Control::BeltLength, true) + " " + belt + " mm olur.");
}

// Why the powers are 0, each reason as the calculation has it, where every
// input the rating reads is given.
const DriveState* ZeroRated(const Reading& r) {
  if (r.Blank(Control::RibPower) || r.Number(Control::RibPower) != Real(0)) return nullptr;
  const Panel* calculated = r.Calculated();
  if (!calculated || ReadNumber(calculated->Text(Control::RibPower)) != Real(0) || !r.panel.SelectedProfile())
    return nullptr;
  return &calculated->drive;
}
const std::string kZeroPowers = "Güçler 0: ";
std::string ProfileName(const Reading& r) { return std::string(ProfileOf(*r.panel.SelectedProfile()).name); }

Saying ScrewTooSlow(const Reading& r, Control box) {
  // With no screw speed, the missing one's advice says why.
  const DriveState* d = ZeroRated(r);
  if (!d || FastEnoughToRate(d->screwSpeed) || r.Blank(box)) return std::nullopt;
  return Say("", kZeroPowers + "güç tablosu yalnızca " + Figure(kLowestRatedSpeed) +
                     " d/dk üstündeki vida devirlerini kapsar; vida devri " + AsShown(r, box) + " d/dk.");
}

Saying RatioTooSmall(const Reading& r, Control) {
  // With no motor power or no screw speed, the missing one's advice says
  // why; a motor power given whose speed is not known gives no ratio.
  const DriveState* d = ZeroRated(r);
  if (!d || RatioEnoughToRate(d->ratio) || r.Blank(Control::MotorPower) || r.Blank(Control::ScrewSpeed))
    return std::nullopt;
  if (IsBlank(r.panel.Caption(Control::MotorSpeed)))
    return Say("", kZeroPowers + "motor devri bilinmediği için devir oranı yok; " + Named(Control::MotorPower) +
                       " listesinden bir güç seçin.");
  return Say("", kZeroPowers + "güç tablosu yalnızca devir oranı en az " + Figure(kLowestRatedRatio) +
                     " olan, vidayı motordan yavaş döndürmeyen tahrikleri kapsar; devir oranı " + Figure(d->ratio) +
                     ".");
}

Saying BelowTable(const Reading& r, Control box) {
  const DriveState* d = ZeroRated(r);
  if (!d || !FastEnoughToRate(d->screwSpeed) || !RatioEnoughToRate(d->ratio) || d->ribRating != Real(0))
    return std::nullopt;
  const BeltProfile profile = *r.panel.SelectedProfile();
  if (!BelowRatedSpeeds(profile, d->diaB, d->screwSpeed)) return std::nullopt;
  const Single lowest = LowestRatedScrewSpeed(profile, d->diaB);
  return Say("", kZeroPowers + ProfileName(r) + " tablosu yalnızca " + Figure(lowest) +
                     " d/dk üstündeki vida devirlerini kapsar; vida devri " + AsShown(r, box) + " d/dk.");
}

Saying NoRating(const Reading& r, Control) {
  const DriveState* d = ZeroRated(r);
  if (!d || !FastEnoughToRate(d->screwSpeed) || !RatioEnoughToRate(d->ratio) || d->ribRating != Real(0))
    return std::nullopt;
  if (BelowRatedSpeeds(*r.panel.SelectedProfile(), d->diaB, d->screwSpeed)) return std::nullopt;
  return Say("", kZeroPowers + ProfileName(r) + " tablosunda " + AsShown(r, Control::ScrewPulley) +
                     " mm vida kasnağı ve " + AsShown(r, Control::ScrewSpeed) + " d/dk için güç yok.");
}

Saying BeltTooShort(const Reading& r, Control box) {
  const DriveState* d = ZeroRated(r);
  if (!d || d->lengthFactor != Real(0)) return std::nullopt;
  const std::string covers = kZeroPowers + ProfileName(r) + " tablosu yalnızca " +
                             Figure(ShortestRatedLength(*r.panel.SelectedProfile())) +
                             " mm ve daha uzun kayışları kapsar";
  const std::string more = ": eksen mesafesini büyütün.";
  if (!r.Current()) return Say("", covers + more);
  // The belt shown, or the one "Hesapla" gives where the box is emptied.
  const std::string belt = r.Blank(box) ? r.Calculated()->Text(box) : AsShown(r, box);
  return Say("", covers + "; " + InSentence(box, true) + " " + belt + " mm" + more);
}

// The belt carries less than the motor: the fewest ribs that carry it.
Saying BeltBelowMotor(const Reading& r, Control) {
  const std::optional<Real> ribs = r.RibsNeeded();
  if (!ribs) return std::nullopt;
  const std::string needs = " " + Figure(*r.Motor()) + " kW: en az " + Figure(*ribs) + " kanal gerekir.";
  // The belt's power only where the box shows it.
  if (!r.Current()) return Say(Figure(*ribs), "Motor" + needs);
  return Say(Figure(*ribs), "Kayış " + r.panel.Text(Control::BeltPower) + " kW aktarır, motor" + needs);
}

// Where the belt needs more ribs: another profile the program allows at
// this screw speed and screw pulley, within its belt speed and rated, with
// the fewest ribs that carry the motor and their pulley width.
Saying OtherProfile(const Reading& r, Control button) {
  const BeltProfile profile = static_cast<BeltProfile>(Def(button).index);
  const Profile& p = ProfileOf(profile);
  if (r.panel.ProfileSelected(profile) || !r.RibsNeeded()) return std::nullopt;
  const Single screwSpeed = r.Number(Control::ScrewSpeed);
  const Single screwPulley = r.Number(Control::ScrewPulley);
  if (ScrewSpeedTooHigh(p, screwSpeed.value()) || ScrewPulleyTooSmall(p, screwPulley.value()) ||
      IsBlank(r.panel.Caption(Control::BeltSpeed)) ||
      BeltSpeedTooHigh(p, ReadNumber(r.panel.Caption(Control::BeltSpeed)).value()))
    return std::nullopt;
  Panel copy = r.panel;
  copy.SelectProfile(profile);
  Calculate(copy);
  const std::optional<Real> ribs = FewestRibs(copy.drive, *r.Motor());
  if (!ribs) return std::nullopt;
  // Only a profile that needs a narrower pulley than the selected one, each
  // width as the window shows it.
  const Real width = ShownPulleyWidth(PulleyWidth(*ribs, p));
  const Profile& selected = ProfileOf(*r.panel.SelectedProfile());
  if (!(width < ShownPulleyWidth(PulleyWidth(*r.RibsNeeded(), selected)))) return std::nullopt;
  const std::string count = Figure(*ribs);
  return Say(std::string(p.name) + ":" + count,
             std::string(p.name) + " ile " + count + " kanal yeter; kasnak genişliği " + NumberText(width) + " mm.");
}

// ---- the table

// The controls a rule is asked about, one after another.
template <Control... ids>
inline constexpr Control kAbout[] = {ids...};
constexpr auto& kNumberBoxes =
    kAbout<Control::MotorPower, Control::ScrewSpeed, Control::MotorPulley, Control::ScrewPulley, Control::RibCount,
           Control::CenterDistance, Control::BeltLength>;
constexpr auto& kProfileButtons =
    kAbout<Control::ProfilePJ, Control::ProfilePK, Control::ProfilePL, Control::ProfilePM>;

struct Rule {
  std::string_view code;
  bool needsResults;               // asked only while results are shown
  std::span<const Control> about;  // each control it may mark, in turn
  Saying (*say)(const Reading&, Control);
};

// Most important first: results out of date, then the inputs as they read,
// then the figures, then the powers.
// clang-format off
constexpr Rule kRules[] = {
    {"out-of-date",            true,  kOutOfDateAbout,                  OutOfDate},
    {"thousands-dot",          false, kNumberBoxes,                     ThousandsDot},
    {"thousands-comma",        false, kNumberBoxes,                     ThousandsComma},
    {"decimal-comma",          false, kNumberBoxes,                     DecimalComma},
    {"not-positive",           false, kNumberBoxes,                     NotPositive},
    {"not-whole",              false, kAbout<Control::RibCount>,        NotWhole},
    {"motor-not-listed",       false, kAbout<Control::MotorPower>,      MotorNotListed},
    {"motor-not-applied",      false, kAbout<Control::MotorPower>,      MotorNotApplied},
    {"missing",                true,  kMissingAbout,                    Missing},
    {"replaced",               false, kNumberBoxes,                     Replaced},
    {"no-ribs",                true,  kAbout<Control::RibCount>,        NoRibs},
    {"profile-taken",          false, kProfileButtons,                  ProfileTaken},
    {"pulleys-disagree",       false, kAbout<Control::MotorPulley>,     PulleysDisagree},
    {"belt-speed-above",       false, kAbout<Control::BeltSpeed>,       BeltTooFast},
    {"pulleys-touch",          false, kAbout<Control::CenterDistance>,  PulleysTouch},
    {"under-floor",            false, kAbout<Control::CenterDistance>,  UnderFloor},
    {"zero-power-screw-speed", true,  kAbout<Control::ScrewSpeed>,      ScrewTooSlow},
    {"zero-power-ratio",       true,  kAbout<Control::Ratio>,           RatioTooSmall},
    {"zero-power-below-table", true,  kAbout<Control::ScrewSpeed>,      BelowTable},
    {"zero-power-no-rating",   true,  kAbout<Control::RibPower>,        NoRating},
    {"zero-power-belt-short",  true,  kAbout<Control::BeltLength>,      BeltTooShort},
    {"belt-below-motor",       true,  kAbout<Control::RibCount>,        BeltBelowMotor},
    {"other-profile",          true,  kProfileButtons,                  OtherProfile},
};
// clang-format on

// The scripts tell a code from its figure by the first separator.
constexpr char kFigureSeparator = ':';
static_assert(std::none_of(std::begin(kRules), std::end(kRules), [](const Rule& rule) {
  return rule.code.find(kFigureSeparator) != std::string_view::npos;
}));

}  // namespace

std::vector<Advice> AdviceFor(const Panel& panel) { return AdviceFor(panel, CalculatedCopy(panel)); }

std::vector<Advice> AdviceFor(const Panel& panel, const CalculatedCopy& calculated) {
  const Reading reading(panel, calculated);
  std::vector<Advice> advice;
  for (const Rule& rule : kRules) {
    if (rule.needsResults && !reading.ResultsShown()) continue;
    for (Control id : rule.about) {
      // A fault in reading one control's figures gives no advice from this
      // rule about it; the rule still speaks of the others.
      try {
        if (Saying said = rule.say(reading, id))
          advice.push_back({std::string(rule.code), std::move(said->figure), id, std::move(said->text)});
      } catch (const ArithmeticFault&) {
      }
    }
  }
  return advice;
}

bool ResultsCurrent(const Panel& panel, const Panel& calculated) {
  constexpr Control kResults[] = {Control::WrapAngle, Control::RibPower, Control::BeltPower};
  return std::all_of(std::begin(kResults), std::end(kResults),
                     [&](Control id) { return panel.Text(id) == calculated.Text(id); });
}

Strip StripOf(const std::vector<Advice>& advice) {
  if (advice.empty()) return {};
  return {advice.front().text, advice.size() > 1 ? "+" + std::to_string(advice.size() - 1) : ""};
}

std::string StripLine(std::string_view first, const Strip& strip) {
  return std::string(first) + (strip.more.empty() ? "" : "  " + strip.more);
}

std::string AdviceLines(const std::vector<Advice>& advice) {
  std::string lines;
  for (const Advice& a : advice) lines += (lines.empty() ? "" : "\n") + a.text;
  return lines;
}

std::vector<std::string> AdviceAbout(const std::vector<Advice>& advice) {
  std::vector<std::string> about(kControlCount);
  for (const Advice& a : advice) {
    std::string& text = about[IndexOf(a.control)];
    text += (text.empty() ? "" : "\n") + a.text;
  }
  return about;
}

std::string AdviceCodes(const std::vector<Advice>& advice) {
  std::string codes;
  for (const Advice& a : advice) {
    if (!codes.empty()) codes += ' ';
    codes += a.code;
    if (!a.figure.empty()) codes += kFigureSeparator + a.figure;
  }
  return codes;
}

}  // namespace kasnak
