// The window's controls as data: one table holds, for every control, its
// name, kind, caption, tool tip, place and size in twips, tab index, border,
// background and start-up state.  The model (form.h) and the Qt view are both
// built from it.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace kasnak {

enum class Kind { Label, TextBox, ComboBox, CheckBox, OptionButton, CommandButton };

enum class Background { Default, TitleBarText };

// Every control, in the order of the table (the window's rows, top to bottom,
// left to right).
// clang-format off
enum class Ctl {
  Label1, Label31, Label7, Combo1, Label22, chkKompakt, Label4,  // row 1
  chk4kutup,                                                      // row 2
  Label2, Text2, Label3, Label36, Label5,                         // row 3
  Label9, Combo2, Label25, Label10, Combo3, Label26,              // row 4
  Label6, Option1_0, Option1_1, Option1_2, Option1_3, chkC2,      // row 5
  Label8, Text5, Label13, Text10, Label27,                        // row 6
  Label14, Text11, Label28, Label34, Label35, Label33,            // row 7
  Label16, Text12, Label29, Label37, Label38, Label39,            // row 8
  Label17, Text13, Label30,                                       // row 9
  Command1, Command3, Label41, Label40, Label42,                  // row 10
  Label15,                                                        // row 11
};
// clang-format on

inline constexpr std::size_t kControlCount = 51;

struct ControlDef {
  Ctl id;
  std::string_view name;  // "Option1" for the four buttons of the group
  int index;              // 0..3 within the Option1 group, -1 elsewhere
  Kind kind;
  std::string_view caption;
  std::string_view toolTip;
  int left, top, width, height;  // twips, relative to the client area
  int tabIndex;
  bool border;  // single-line border
  Background background;
  int maxLength;  // characters a user may type; 0 for no limit
  bool startOn;   // check box ticked or option button selected at start
};

extern const std::array<ControlDef, kControlCount> kControls;

// The window itself.
inline constexpr std::string_view kFormName = "Form1";
inline constexpr std::string_view kFormTitle = " Vidalı Kompresör Poly-V Kayış ve Kasnak Hesabı";
inline constexpr int kClientWidthTwips = 6885;
inline constexpr int kClientHeightTwips = 4320;
inline constexpr int kTwipsPerInch = 1440;

inline constexpr std::size_t IndexOf(Ctl id) { return static_cast<std::size_t>(id); }
inline const ControlDef& Def(Ctl id) { return kControls[IndexOf(id)]; }

// The Option1 button of a profile index 0..3.
inline constexpr Ctl OptionButton(int index) {
  return static_cast<Ctl>(IndexOf(Ctl::Option1_0) + static_cast<std::size_t>(index));
}

// A control by its name as the scenario scripts write it ("Text2", "Combo1");
// the option buttons are named "Option1" with their index.
std::optional<Ctl> FindControl(std::string_view name, int index = -1);

// The controls that take the focus, in tab order.
std::array<Ctl, 18> TabOrder();

}  // namespace kasnak
