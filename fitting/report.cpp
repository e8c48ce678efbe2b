// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitting/report.h"

#include "advice/advice.h"
#include "fitting/sheet.h"
#include "numbers/text.h"

namespace kasnak {
namespace {

// "Vida Deviri: 4000 d/dk"; the prompt alone with its colon while empty.
std::string ValueLine(Control id, const std::string& value) {
  std::string line = PromptName(id) + ":";
  if (IsBlank(value)) return line;
  line += " " + value;
  if (const std::optional<Control> unit = CaptionsOf(id).unit) line += " " + std::string(Def(*unit).caption);
  return line;
}

std::string Ticked(const Panel& panel, Control id) {
  return std::string(Def(id).caption) + ": " + (panel.Value(id) ? "evet" : "hayır");
}

}  // namespace

std::string DriveReport(const Panel& panel) {
  std::string title(kWindowTitle);
  while (title.starts_with(' ')) title.erase(0, 1);
  std::string report = title + "\n\n";
  for (const ControlDef& def : kControls) {
    switch (def.kind) {
      case Kind::TextBox:
      case Kind::ComboBox:
        report += ValueLine(def.id, panel.Text(def.id)) + "\n";
        break;
      case Kind::Label:
        if (def.output) report += ValueLine(def.id, panel.Caption(def.id)) + "\n";
        break;
      case Kind::CheckBox:
        report += Ticked(panel, def.id) + "\n";
        break;
      case Kind::OptionButton:
        if (def.id == Control::ProfilePJ) {
          const std::optional<BeltProfile> profile = panel.SelectedProfile();
          report +=
              PromptName(def.id) + ": " + (profile ? std::string(ProfileOf(*profile).name) : "seçili değil") + "\n";
        }
        break;
      case Kind::CommandButton:
        break;
    }
  }
  const CalculatedCopy calculated(panel);
  const std::vector<Advice> advice = AdviceFor(panel, calculated);
  if (!advice.empty()) {
    report += "\nTavsiyeler\n";
    for (const Advice& a : advice) report += "- " + a.text + "\n";
  }
  const Sheet sheet = SheetFor(panel, calculated);
  if (!sheet.lines.empty()) {
    report += "\n" + std::string(kSheetTitle) + "\n";
    for (const std::string& line : sheet.lines) report += line + "\n";
  }
  return report;
}

}  // namespace kasnak
