// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls as data: one table holds, for every control, its
// name, kind, caption, tool tip, place and size in twips, tab index, whether
// it shows a result, and start-up state.  The model (panel.h), the Qt window
// and the page are all built from it, with the window's own facts below it.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "drive/profiles.h"

namespace kasnak {

enum class Kind { Label, TextBox, ComboBox, CheckBox, OptionButton, CommandButton };

// Each kind's name, in the order of Kind, as the page and the scenario
// runner's list of controls (kasnak-script --controls) give it.
inline constexpr auto kKindNames =
    std::to_array<std::string_view>({"label", "text", "list", "check", "option", "button"});
static_assert(kKindNames.size() == static_cast<std::size_t>(Kind::CommandButton) + 1, "a name for every kind");
constexpr std::string_view KindName(Kind kind) { return kKindNames[static_cast<std::size_t>(kind)]; }

// Every control, in the order of the table (the window's rows, top to bottom,
// left to right).
// clang-format off
enum class Control {
  MotorSpeedPrompt, MotorSpeed, MotorPowerPrompt, MotorPower, MotorPowerUnit, CompactMotor, MotorSpeedUnit,  // row 1
  FourPole,                                                      // row 2
  ScrewSpeedPrompt, ScrewSpeed, RatioPrompt, Ratio, ScrewSpeedUnit,                         // row 3
  MotorPulleyPrompt, MotorPulley, MotorPulleyUnit, ScrewPulleyPrompt, ScrewPulley, ScrewPulleyUnit,              // row 4
  ProfilePrompt, ProfilePJ, ProfilePK, ProfilePL, ProfilePM, HeavyDuty,      // row 5
  RibCountPrompt, RibCount, CenterDistancePrompt, CenterDistance, CenterDistanceUnit,                        // row 6
  BeltLengthPrompt, BeltLength, BeltLengthUnit, WrapAnglePrompt, WrapAngle, WrapAngleUnit,            // row 7
  RibPowerPrompt, RibPower, RibPowerUnit, PulleyWidthPrompt, PulleyWidth, PulleyWidthUnit,            // row 8
  BeltPowerPrompt, BeltPower, BeltPowerUnit,                                       // row 9
  CalculateButton, ExitButton, BeltSpeedPrompt, BeltSpeed, BeltSpeedUnit,                  // row 10
  Subtitle,                                                        // row 11
};
// clang-format on

struct ControlDef {
  Control id;
  std::string_view name;  // "Option1" for the four buttons of the group
  int index;              // 0..3 within the profile buttons, -1 elsewhere
  Kind kind;
  std::string_view caption;
  std::string_view toolTip;
  int left, top, width, height;  // twips, relative to the client area
  int tabIndex;
  // A result the procedures write: a label with a border on the background
  // of active title-bar text.
  bool output;
  int maxLength;  // characters a user may type; 0 for no limit
  bool startOn;   // check box ticked or option button selected at start
};

// The rows of the control table, with short names for the kinds so that
// a row fits a line.
namespace control_rows {

constexpr auto L = Kind::Label;
constexpr auto T = Kind::TextBox;
constexpr auto C = Kind::ComboBox;
constexpr auto K = Kind::CheckBox;
constexpr auto O = Kind::OptionButton;
constexpr auto B = Kind::CommandButton;

// Every control, one row each, in the order of Control.
// clang-format off
inline constexpr ControlDef kRows[] = {
  // id                        name        idx kind caption                      tool tip                         left  top  width height tab out   max on
  // row 1
  {Control::MotorSpeedPrompt,  "Label1",    -1, L, "Motor Deviri =",             "",                              120,  240, 1095, 375,  0, false, 0, false},
  {Control::MotorSpeed,        "Label31",   -1, L, "",                           "",                              1200, 240, 735,  285, 36, true,    0, false},
  {Control::MotorPowerPrompt,  "Label7",    -1, L, "Motor Gücü =",               "",                              2640, 240, 975,  375, 11, false, 0, false},
  {Control::MotorPower,        "Combo1",    -1, C, "",                           "",                              3840, 240, 855,  315, 37, false, 0, false},
  {Control::MotorPowerUnit,    "Label22",   -1, L, "kW",                         "",                              4800, 240, 375,  255, 28, false, 0, false},
  {Control::CompactMotor,      "chkKompakt", -1, K, "Kompakt Motor",              "",                              5280, 240, 1455, 255, 14, false, 0, false},
  {Control::MotorSpeedUnit,    "Label4",    -1, L, "d/dk",                       "",                              2040, 300, 615,  255,  4, false, 0, false},
  // row 2
  {Control::FourPole,          "chk4kutup", -1, K, "4 Kutuplu",                  "",                              5280, 600, 1455, 255, 35, false, 0, false},
  // row 3
  {Control::ScrewSpeedPrompt,  "Label2",    -1, L, "Vida Deviri =",              "",                              120,  720, 1095, 375,  1, false, 0, false},
  {Control::ScrewSpeed,        "Text2",     -1, T, "",                           "",                              1200, 720, 735,  285,  2, false, 5, false},
  {Control::RatioPrompt,       "Label3",    -1, L, "Devir Oranı (i) =",          "",                              2640, 720, 1095, 375,  3, false, 0, false},
  {Control::Ratio,             "Label36",   -1, L, "",                           "",                              3840, 720, 495,  285, 43, true,    0, false},
  {Control::ScrewSpeedUnit,    "Label5",    -1, L, "d/dk",                       "",                              2040, 795, 615,  255,  5, false, 0, false},
  // row 4
  {Control::MotorPulleyPrompt, "Label9",    -1, L, "Motor Kasnağı Çapı =",       "",                              120,  1320, 1695, 375, 12, false, 0, false},
  {Control::MotorPulley,       "Combo2",    -1, C, "",                           "",                              1800, 1320, 855,  315, 38, false, 0, false},
  {Control::MotorPulleyUnit,   "Label25",   -1, L, "mm",                         "",                              2760, 1320, 495,  255, 29, false, 0, false},
  {Control::ScrewPulleyPrompt, "Label10",   -1, L, "Vida Kasnağı Çapı =",        "",                              3360, 1320, 1575, 375, 13, false, 0, false},
  {Control::ScrewPulley,       "Combo3",    -1, C, "",                           "",                              5040, 1320, 855,  315, 39, false, 0, false},
  {Control::ScrewPulleyUnit,   "Label26",   -1, L, "mm",                         "",                              6000, 1320, 495,  255, 30, false, 0, false},
  // row 5
  {Control::ProfilePrompt,     "Label6",    -1, L, "Poly-V Kayış Tipi =",        "ContiTech MultiRib",            120,  1845, 1335, 255,  6, false, 0, false},
  {Control::ProfilePJ,         "Option1",    0, O, kProfiles[0].name,           kProfiles[0].toolTip,           1800, 1800, 615,  375,  7, false, 0, true},
  {Control::ProfilePK,         "Option1",    1, O, kProfiles[1].name,           kProfiles[1].toolTip,           2520, 1800, 615,  375,  8, false, 0, false},
  {Control::ProfilePL,         "Option1",    2, O, kProfiles[2].name,           kProfiles[2].toolTip,           3240, 1800, 615,  375,  9, false, 0, false},
  {Control::ProfilePM,         "Option1",    3, O, kProfiles[3].name,           kProfiles[3].toolTip,           3960, 1800, 615,  375, 10, false, 0, false},
  {Control::HeavyDuty,         "chkC2",     -1, K, "Ağır Hizmet",                "",                              4920, 1845, 1215, 255, 50, false, 0, true},
  // row 6
  {Control::RibCountPrompt,    "Label8",    -1, L, "Kanal Sayısı =",             "",                              120,  2280, 1335, 255, 15, false, 0, false},
  {Control::RibCount,          "Text5",     -1, T, "",                           "",                              1800, 2280, 495,  285, 16, false, 0, false},
  {Control::CenterDistancePrompt, "Label13",   -1, L, "Eksen Mesafesi =",           "",                              3840, 2280, 1335, 255, 17, false, 0, false},
  {Control::CenterDistance,    "Text10",    -1, T, "",                           "",                              5280, 2280, 735,  285, 18, false, 0, false},
  {Control::CenterDistanceUnit, "Label27",   -1, L, "mm",                         "",                              6120, 2280, 375,  255, 31, false, 0, false},
  // row 7
  {Control::BeltLengthPrompt,  "Label14",   -1, L, "Kayış Boyu=",                "",                              120,  2640, 1455, 255, 19, false, 0, false},
  {Control::BeltLength,        "Text11",    -1, T, "",                           "",                              1800, 2640, 1095, 285, 20, false, 0, false},
  {Control::BeltLengthUnit,    "Label28",   -1, L, "mm",                         "",                              3000, 2640, 495,  255, 32, false, 0, false},
  {Control::WrapAnglePrompt,   "Label34",   -1, L, "Açı =",                      "",                              4725, 2640, 375,  255, 41, false, 0, false},
  {Control::WrapAngle,         "Label35",   -1, L, "",                           "",                              5280, 2640, 615,  285, 42, true,    0, false},
  {Control::WrapAngleUnit,     "Label33",   -1, L, "derece",                     "",                              6000, 2640, 615,  255, 40, false, 0, false},
  // row 8
  {Control::RibPowerPrompt,    "Label16",   -1, L, "Tek Kanalın Gücü =",         "ContiTech",                     120,  3000, 1575, 255, 21, false, 0, false},
  {Control::RibPower,          "Text12",    -1, T, "",                           "",                              1800, 3000, 615,  285, 22, false, 0, false},
  {Control::RibPowerUnit,      "Label29",   -1, L, "kW",                         "",                              2520, 3000, 495,  255, 33, false, 0, false},
  {Control::PulleyWidthPrompt, "Label37",   -1, L, "Kasnak Genişliği =",         "",                              3780, 3000, 1335, 255, 44, false, 0, false},
  {Control::PulleyWidth,       "Label38",   -1, L, "",                           "",                              5280, 3000, 495,  285, 45, true,    0, false},
  {Control::PulleyWidthUnit,   "Label39",   -1, L, "mm",                         "",                              5880, 3000, 495,  255, 46, false, 0, false},
  // row 9
  {Control::BeltPowerPrompt,   "Label17",   -1, L, "Toplam Kayış Gücü =",        "",                              120,  3360, 1575, 375, 23, false, 0, false},
  {Control::BeltPower,         "Text13",    -1, T, "",                           "",                              1800, 3360, 615,  285, 24, false, 0, false},
  {Control::BeltPowerUnit,     "Label30",   -1, L, "kW",                         "",                              2520, 3420, 495,  255, 34, false, 0, false},
  // row 10
  {Control::CalculateButton,   "Command1",  -1, B, "Hesapla",                    "",                              3840, 3600, 1215, 375, 25, false, 0, false},
  {Control::ExitButton,        "Command3",  -1, B, "Çıkış",                      "",                              5400, 3600, 1215, 375, 26, false, 0, false},
  {Control::BeltSpeedPrompt,   "Label41",   -1, L, "Kayış Hızı =",               "",                              120,  3720, 975,  375, 48, false, 0, false},
  {Control::BeltSpeed,         "Label40",   -1, L, "",                           "",                              1800, 3720, 495,  285, 47, true,    0, false},
  {Control::BeltSpeedUnit,     "Label42",   -1, L, "m/sn",                       "",                              2400, 3720, 615,  255, 49, false, 0, false},
  // row 11
  {Control::Subtitle,          "Label15",   -1, L, "Poly-V kayış ve kasnak hesabı", "",                           3960, 4080, 2535, 255, 27, false, 0, false},
};
// clang-format on

}  // namespace control_rows

inline constexpr std::array kControls = std::to_array(control_rows::kRows);
inline constexpr std::size_t kControlCount = kControls.size();

inline constexpr std::size_t IndexOf(Control id) { return static_cast<std::size_t>(id); }
constexpr const ControlDef& Def(Control id) { return kControls[IndexOf(id)]; }

// Row i holds the control whose Control is i, and every control has its row.
static_assert(IndexOf(Control::Subtitle) + 1 == kControlCount, "one row for every control");
static_assert(
    [] {
      for (std::size_t i = 0; i < kControlCount; ++i)
        if (IndexOf(kControls[i].id) != i) return false;
      return true;
    }(),
    "each row in the place of its control");

// The window itself.
inline constexpr std::string_view kPanelName = "Form1";
inline constexpr std::string_view kWindowTitle = " Vidalı Kompresör Poly-V Kayış ve Kasnak Hesabı";
// The program's name, also the title of its fault boxes, and the caption of
// their one button.
inline constexpr std::string_view kProgramName = "kasnak";
inline constexpr std::string_view kOkCaption = "Tamam";
// The one font of every caption and box, in points.
inline constexpr double kFontPointSize = 7.5;
inline constexpr int kClientWidthTwips = 6885;
inline constexpr int kClientHeightTwips = 4320;
inline constexpr int kTwipsPerInch = 1440;
// The control that has the focus when the window opens.
inline constexpr Control kFirstFocus = Control::ScrewSpeed;

// CSS pixels: 96 to the inch.
inline constexpr int kCssDpi = 96;

// Twips to pixels at a logical dpi (1440 twips to the logical inch), rounded
// to the nearest pixel.
constexpr int TwipsToPixels(int twips, int dpi) { return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch; }

// A control's place in pixels, relative to the client area.
struct PixelRect {
  int left, top, width, height;
};
constexpr PixelRect Place(const ControlDef& def, int dpiX, int dpiY) {
  return {TwipsToPixels(def.left, dpiX), TwipsToPixels(def.top, dpiY), TwipsToPixels(def.width, dpiX),
          TwipsToPixels(def.height, dpiY)};
}
// The form, the window's client area above the advice strip, in pixels.
constexpr PixelRect ClientPlace(int dpiX, int dpiY) {
  return {0, 0, TwipsToPixels(kClientWidthTwips, dpiX), TwipsToPixels(kClientHeightTwips, dpiY)};
}
// Below the form, at its width: the advice strip of `stripHeight` pixels,
// then the ordering and fitting section of `sectionHeight`; the heights are
// the faces', from their fonts.  Their text starts at the form's first
// column, `TextIndent` pixels from their left edge.
constexpr PixelRect StripPlace(int dpiX, int dpiY, int stripHeight) {
  const PixelRect form = ClientPlace(dpiX, dpiY);
  return {0, form.height, form.width, stripHeight};
}
constexpr PixelRect SectionPlace(int dpiX, int dpiY, int stripHeight, int sectionHeight) {
  const PixelRect strip = StripPlace(dpiX, dpiY, stripHeight);
  return {0, strip.top + strip.height, strip.width, sectionHeight};
}
constexpr int TextIndent(int dpiX) { return TwipsToPixels(control_rows::kRows[0].left, dpiX); }
// The whole window: the form, the strip and the section.
constexpr PixelRect WindowPlace(int dpiX, int dpiY, int stripHeight, int sectionHeight) {
  const PixelRect section = SectionPlace(dpiX, dpiY, stripHeight, sectionHeight);
  return {0, 0, section.width, section.top + section.height};
}

// The id of a control's widget or element: its name, and for a profile
// button its index after an underscore ("Text2", "Option1_0").
std::string ElementId(Control id);

// The captions that go with a control: the nearest caption to its left on
// its row when that one is a prompt (it ends with "="), and the nearest to
// its right when there is a prompt and that one is not a prompt (the unit).
struct Captions {
  std::optional<Control> prompt;
  std::optional<Control> unit;
};
Captions CaptionsOf(Control id);

// The prompt of a control without its "=" ("Vida Deviri"); empty when it has
// none.
std::string PromptName(Control id);

// The accessible name of a text box or a list: its prompt on the same row
// without the "=", and its unit when it has one ("Vida Deviri, d/dk").  A
// result reads as its prompt, the result it shows and its unit ("Açı: 163.44
// derece", "Devir Oranı (i): 1.36"), and as its prompt alone while it shows
// none ("Açı").  Other controls get none: their own captions name them.
std::string AccessibleName(Control id, std::string_view result = {});

// The button of a profile.
constexpr Control ProfileButton(BeltProfile profile) {
  return static_cast<Control>(IndexOf(Control::ProfilePJ) + static_cast<std::size_t>(profile));
}
constexpr Control ProfileButton(int index) { return ProfileButton(static_cast<BeltProfile>(index)); }

// The four buttons follow one another in the table, each with its index.
static_assert([] {
  for (const Profile& p : kProfiles)
    if (Def(ProfileButton(p.id)).index != static_cast<int>(p.id) || Def(ProfileButton(p.id)).kind != Kind::OptionButton)
      return false;
  return true;
}());

// The number of controls that take the focus: every one but the labels.
inline constexpr std::size_t kFocusableCount = [] {
  std::size_t n = 0;
  for (const ControlDef& c : kControls)
    if (c.kind != Kind::Label) ++n;
  return n;
}();

// The controls that take the focus, in tab order.
constexpr std::array<Control, kFocusableCount> TabOrder() {
  std::array<Control, kFocusableCount> order{};
  std::size_t n = 0;
  for (const ControlDef& c : kControls)
    if (c.kind != Kind::Label) order[n++] = c.id;
  std::sort(order.begin(), order.end(), [](Control a, Control b) { return Def(a).tabIndex < Def(b).tabIndex; });
  return order;
}

// No two controls share a tab index.
static_assert([] {
  for (const ControlDef& a : kControls)
    for (const ControlDef& b : kControls)
      if (a.id != b.id && a.tabIndex == b.tabIndex) return false;
  return true;
}());

}  // namespace kasnak
