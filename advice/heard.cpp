// SPDX-License-Identifier: GPL-3.0-or-later
#include "advice/heard.h"

#include <algorithm>

namespace kasnak {
namespace {

std::vector<std::string> Texts(const std::vector<Advice>& advice) {
  std::vector<std::string> texts;
  for (const Advice& a : advice) texts.push_back(a.text);
  return texts;
}

}  // namespace

Heard::Heard(const Panel& panel) : adviceShown_(Texts(AdviceFor(panel))) {
  for (const ControlDef& def : kControls) shown_.push_back(panel.Text(def.id));
}

void Heard::Typed(Control id, std::string_view text) { shown_[IndexOf(id)] = text; }

void Heard::Written(const Panel& panel) {
  for (const ControlDef& def : kControls) {
    std::string& shown = shown_[IndexOf(def.id)];
    const std::string& text = panel.Text(def.id);
    if (shown == text) continue;
    shown = text;
    if (text.empty()) continue;
    if (def.output)
      said_.push_back(AccessibleName(def.id, text));
    else if (def.kind == Kind::TextBox || def.kind == Kind::ComboBox)
      said_.push_back(AccessibleName(def.id) + ": " + text);
  }
}

std::string Heard::Said(const std::vector<Advice>& advice) {
  std::vector<std::string> texts = Texts(advice);
  for (const std::string& text : texts) {
    if (std::find(adviceShown_.begin(), adviceShown_.end(), text) == adviceShown_.end()) said_.push_back(text);
  }
  adviceShown_ = std::move(texts);
  std::string said;
  for (const std::string& part : said_) said += (said.empty() ? "" : "; ") + part;
  said_.clear();
  return said;
}

}  // namespace kasnak
