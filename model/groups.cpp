// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/groups.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace kasnak {
namespace {

bool Boxed(const ControlDef& def) {
  return def.kind == Kind::TextBox || def.kind == Kind::ComboBox || def.kind == Kind::OptionButton || def.output;
}

// Where a group stands in the tab order: the tab index of its first control
// that takes the focus, or else the smallest tab index among its labels.
int TabPosition(const ControlGroup& group) {
  int labels = 0;
  bool any = false;
  for (Control id : group.members) {
    const ControlDef& def = Def(id);
    if (def.kind != Kind::Label) return def.tabIndex;
    labels = any ? std::min(labels, def.tabIndex) : def.tabIndex;
    any = true;
  }
  return labels;
}

void SetBounds(ControlGroup& group) {
  int right = 0;
  int bottom = 0;
  group.left = group.top = 1 << 30;
  for (Control id : group.members) {
    const ControlDef& def = Def(id);
    group.left = std::min(group.left, def.left);
    group.top = std::min(group.top, def.top);
    right = std::max(right, def.left + def.width);
    bottom = std::max(bottom, def.top + def.height);
  }
  group.width = right - group.left;
  group.height = bottom - group.top;
}

}  // namespace

std::vector<ControlGroup> ControlGroups() {
  std::array<bool, kControlCount> placed{};
  std::vector<ControlGroup> groups;
  for (const ControlDef& def : kControls) {
    if (placed[IndexOf(def.id)] || !Boxed(def)) continue;
    ControlGroup group;
    const Captions captions = CaptionsOf(def.id);
    if (captions.prompt) group.members.push_back(*captions.prompt);
    if (def.kind == Kind::OptionButton) {
      for (const Profile& profile : kProfiles) group.members.push_back(ProfileButton(profile.id));
      group.choiceName = PromptName(def.id);
    } else {
      group.members.push_back(def.id);
    }
    if (captions.unit) group.members.push_back(*captions.unit);
    for (Control id : group.members) placed[IndexOf(id)] = true;
    groups.push_back(std::move(group));
  }
  for (const ControlDef& def : kControls)
    if (!placed[IndexOf(def.id)]) groups.push_back(ControlGroup{{def.id}, {}, 0, 0, 0, 0, 0});
  for (ControlGroup& group : groups) SetBounds(group);

  // The reading order: a group starts a new row when its middle lies below
  // the bottom of the row's first group; within a row, left to right.
  std::vector<ControlGroup*> reading;
  for (ControlGroup& group : groups) reading.push_back(&group);
  std::stable_sort(reading.begin(), reading.end(),
                   [](const ControlGroup* a, const ControlGroup* b) { return a->top < b->top; });
  std::vector<std::pair<int, ControlGroup*>> rows;
  int row = -1;
  int rowBottom = -1;
  for (ControlGroup* group : reading) {
    if (group->top + group->height / 2 >= rowBottom) {
      ++row;
      rowBottom = group->top + group->height;
    }
    rows.emplace_back(row, group);
  }
  std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
    return a.first != b.first ? a.first < b.first : a.second->left < b.second->left;
  });
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i].second->readingPosition = static_cast<int>(i);

  std::stable_sort(groups.begin(), groups.end(),
                   [](const ControlGroup& a, const ControlGroup& b) { return TabPosition(a) < TabPosition(b); });
  return groups;
}

}  // namespace kasnak
