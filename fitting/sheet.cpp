// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitting/sheet.h"

#include <array>
#include <optional>
#include <tuple>

#include "advice/advice.h"
#include "drive/geometry.h"
#include "drive/motor_speeds.h"
#include "drive/shown.h"
#include "drive/stock_lengths.h"
#include "drive/tension.h"
#include "numbers/numbers.h"
#include "numbers/text.h"
#include "procedures/calculate.h"

namespace kasnak {
namespace {

// ---- how the section writes its figures

// Newtons: a tension to one decimal, as a fitter sets it on a meter that
// reads to the newton; a shaft load whole, as a bearing check takes it.
std::string Tension(Real n) { return NumberText(RoundTo(n, 1)); }
std::string Load(Real n) { return NumberText(RoundTo(n, 0)); }
// Millimetres and hertz to one decimal.
std::string Tenth(Real x) { return NumberText(RoundTo(x, 1)); }

// The Turkish ending of "%N" read as "yüzde N’i": the possessive of the last
// word spoken, after the apostrophe.  None for a number not written in
// digits alone.
std::string PercentEnding(std::string_view digits) {
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) return {};
  if (digits == "0") return "’ı";  // sıfır
  std::size_t zeros = 0;
  while (digits[digits.size() - 1 - zeros] == '0') ++zeros;
  // bir iki üç dört beş altı yedi sekiz dokuz
  constexpr std::array<std::string_view, 10> kOnes = {"", "i", "si", "ü", "ü", "i", "sı", "si", "i", "u"};
  // on yirmi otuz kırk elli altmış yetmiş seksen doksan
  constexpr std::array<std::string_view, 10> kTens = {"", "u", "si", "u", "ı", "si", "ı", "i", "i", "ı"};
  // yüz, then bin milyon milyar trilyon katrilyon
  constexpr std::array<std::string_view, 6> kGroups = {"ü", "i", "u", "ı", "u", "u"};
  const int last = digits[digits.size() - 1 - zeros] - '0';
  if (zeros == 0) return "’" + std::string(kOnes[last]);
  if (zeros == 1) return "’" + std::string(kTens[last]);
  if (zeros == 2) return "’" + std::string(kGroups[0]);  // yüz
  return "’" + std::string(kGroups[std::min(zeros / 3, kGroups.size() - 1)]);
}

// ---- the panel as the section reads it

// The motor's power (kW), where it is the motor whose speed is shown.
std::optional<Real> AppliedMotorPower(const Panel& panel) {
  const std::string& text = panel.Text(Control::MotorPower);
  if (IsBlank(text)) return std::nullopt;
  const Real power = ReadNumber(text);
  if (!(power > Real(0))) return std::nullopt;
  const std::string_view rated =
      RatedSpeed(power.value(), panel.Value(Control::FourPole), panel.Value(Control::CompactMotor));
  if (rated.empty() || rated != panel.Caption(Control::MotorSpeed)) return std::nullopt;
  return power;
}

// A stock belt offered: its length and the centre distance, as the belt
// length box would show it, at which it fits.
struct Offer {
  int length;
  std::string centre;
};

// The centre distance, as the box would show it, at which a belt of
// `length` mm fits the drive's pulleys: none where it falls under the floor
// that "Hesapla" keeps or does not clear the pulleys.
std::optional<std::string> FittingCentre(const DriveState& d, int length) {
  Single centre;
  try {
    centre = ShownFittingCenterDistance(CenterDistance(Real(length), d.diaA, d.diaB, d.piValue));
  } catch (const ArithmeticFault&) {
    return std::nullopt;  // too short to go round the pulleys at all
  }
  if (centre < kMinimumCenterDist || !(centre > MeanDiameter(d.diaA, d.diaB))) return std::nullopt;
  return NumberText(centre);
}

class SheetWriter {
 public:
  // The panel as it stands, with the working values of "Hesapla" now.
  SheetWriter(const Panel& panel, const DriveState& calculated, BeltProfile profile, Real ribs)
      : panel_(panel), d_(calculated), profile_(ProfileOf(profile)), ribs_(ribs) {}

  void StockBelts() {
    StockNeighbours near;
    try {
      const Real belt = ReadNumber(panel_.Text(Control::BeltLength));
      if (!(belt > Real(0))) throw ArithmeticFault(FaultKind::InvalidArgument);
      near = NearestStock(profile_.id, belt);
    } catch (const ArithmeticFault&) {
      return line("Stok kayış aranamıyor: kayış boyu okunamıyor.");
    }
    if (near.exact) {
      if (const std::optional<std::string> centre = FittingCentre(d_, *near.exact)) {
        Offer(*near.exact, *centre, "exact", "Stok kayış: ");
        return;
      }
    }
    bool offered = false;
    // The one next to the belt on each side, where it fits.
    for (const auto& [length, code, words] : {std::tuple{near.shorter, "shorter", "Daha kısa stok kayış: "},
                                              std::tuple{near.longer, "longer", "Daha uzun stok kayış: "}}) {
      if (!length) continue;
      if (const std::optional<std::string> centre = FittingCentre(d_, *length)) {
        Offer(*length, *centre, code, words);
        offered = true;
      }
    }
    if (!offered) {
      Add("stock:none");
      line("Bu kasnaklara uyan stok " + std::string(profile_.name) + " kayış boyu yok.");
    }
  }

  // The tension to fit, the shaft load, the span and the meter's frequency.
  void Fitting(std::optional<Real> motor) {
    const std::string why = "Montaj değerleri hesaplanamıyor: ";
    if (!motor) return line("Montaj değerleri ve güç oranı için motor gücünü listeden seçin.");
    try {
      // The belt speed, the wrap angle and the centre distance as the window
      // shows them, as a designer checking by hand reads them.
      const Real speed = ReadNumber(panel_.Caption(Control::BeltSpeed));
      const Real wrap = ReadNumber(panel_.Caption(Control::WrapAngle));
      const Real centre = ReadNumber(panel_.Text(Control::CenterDistance));
      if (!(speed > Real(0))) return line(why + "kayış hızı 0.");
      if (!(centre > (d_.diaA + d_.diaB) / Real(2))) return line(why + "kasnaklar değiyor; eksen mesafesini büyütün.");
      const Real mass = profile_.massPerRib;
      const Real runIn = RunInTension(*motor, d_.serviceFactor, d_.arcFactor, speed, mass, ribs_);
      const Real fitted = runIn * Real(kNewBeltTension);
      const Real span = FreeSpan(centre, d_.diaA, d_.diaB);
      const std::array<std::string, 7> shown = {
          Tension(runIn),
          Tension(fitted),
          Load(ShaftLoad(runIn, wrap)),
          Load(ShaftLoad(fitted, wrap)),
          Tenth(span),
          Tenth(SpanFrequency(runIn, mass, ribs_, span)),
          Tenth(SpanFrequency(fitted, mass, ribs_, span)),
      };
      Add("tension:" + shown[0] + ":" + shown[1]);
      Add("shaft:" + shown[2] + ":" + shown[3]);
      Add("span:" + shown[4]);
      Add("frequency:" + shown[5] + ":" + shown[6]);
      line("Statik germe kuvveti (kol başına): rodajdan sonra " + shown[0] + " N, yeni kayışta " + shown[1] + " N");
      line("Mil yükü: rodajdan sonra " + shown[2] + " N, yeni kayışta " + shown[3] + " N");
      line("Serbest kol boyu " + shown[4] + " mm; gergi ölçer: rodajdan sonra " + shown[5] + " Hz, yeni kayışta " +
           shown[6] + " Hz");
    } catch (const ArithmeticFault&) {
      line(why + "değerler okunamıyor ya da çok büyük.");
    }
  }

  // The belt's power as a share of the motor's.
  void Margin(Real motor) {
    try {
      const std::string percent =
          NumberText(RoundTo(ReadNumber(panel_.Text(Control::BeltPower)) / motor * Real(100), 0));
      Add("margin:" + percent);
      const std::string ending = PercentEnding(percent);
      line(ending.empty() ? "Kayış gücü / motor gücü: %" + percent : "Kayış gücü, motor gücünün %" + percent + ending);
    } catch (const ArithmeticFault&) {
      line("Güç oranı hesaplanamıyor: kayış gücü okunamıyor ya da çok büyük.");
    }
  }

  Sheet Done() { return std::move(sheet_); }

 private:
  void Offer(int length, const std::string& centre, std::string_view code, std::string_view words) {
    const std::string name = NumberText(ribs_) + std::string(profile_.name) + std::to_string(length);
    Add(std::string(code) + ":" + name + ":" + centre);
    line(std::string(words) + name + ", eksen mesafesi " + centre + " mm");
  }
  void Add(const std::string& figure) {
    if (!sheet_.figures.empty()) sheet_.figures += ' ';
    sheet_.figures += figure;
  }
  void line(std::string text) { sheet_.lines.push_back(std::move(text)); }

  const Panel& panel_;
  const DriveState& d_;
  const Profile& profile_;
  Real ribs_;
  Sheet sheet_;
};

// One line of the section, and no figures.
Sheet Say(std::string line) { return Sheet{{std::move(line)}, {}}; }

}  // namespace

Sheet SheetFor(const Panel& panel) { return SheetFor(panel, CalculatedCopy(panel)); }

Sheet SheetFor(const Panel& panel, const CalculatedCopy& copy) {
  if (IsBlank(panel.Caption(Control::WrapAngle))) return {};
  const Panel* calculated = copy.Get();
  const std::string calculate(Def(Control::CalculateButton).caption);
  if (!calculated || !ResultsCurrent(panel, *calculated))
    return Say("Sonuçlar güncel değil: bu bölüm " + calculate + "’ya basınca gösterilir.");

  const std::optional<BeltProfile> profile = panel.SelectedProfile();
  if (!profile) return Say("Stok kayış ve montaj için bir kayış tipi seçin.");
  const DriveState& d = calculated->drive;
  if (!(d.diaA > Real(0) && d.diaB > Real(0)))
    return Say("Stok kayış ve montaj için kasnak çapları 0’dan büyük olmalı.");
  std::optional<Real> ribs;
  try {
    const std::string& text = panel.Text(Control::RibCount);
    const Real count = ReadNumber(text);
    if (!IsBlank(text) && count >= Real(1) && IntPart(count) == count) ribs = count;
  } catch (const ArithmeticFault&) {
  }
  if (!ribs) return Say("Stok kayış ve montaj için kanal sayısı en az 1 olan bir tam sayı olmalı.");

  std::optional<Real> motor;
  try {
    motor = AppliedMotorPower(panel);
  } catch (const ArithmeticFault&) {
  }
  SheetWriter writer(panel, calculated->drive, *profile, *ribs);
  writer.StockBelts();
  writer.Fitting(motor);
  if (motor) writer.Margin(*motor);
  return writer.Done();
}

}  // namespace kasnak
