// SPDX-License-Identifier: GPL-3.0-or-later
// The user's input on the window's widgets, simulated, and what a widget
// shows: shared by the scenario runner's window mode and the window tests.
#pragma once

#include <QButtonGroup>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/window.h"

class QComboBox;

namespace kasnak {

// The window over `panel`, with what the harness reads of it beyond what a
// person sees: the panel it was handed, the profile buttons' group, and the
// advice strip and the section found by their names (app/window.h).
class TestedWindow : public Window {
 public:
  explicit TestedWindow(std::unique_ptr<Panel> panel) : TestedWindow(*panel, std::move(panel)) {}
  Panel& Model() const { return model_; }
  QButtonGroup* ProfileGroup() const { return findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly); }
  FoldingStrip* AdviceStrip() const {
    return findChild<FoldingStrip*>(QStringLiteral("advice"), Qt::FindDirectChildrenOnly);
  }
  // (SheetSection has no meta-object of its own for findChild to cast by.)
  SheetSection* Section() const {
    return dynamic_cast<SheetSection*>(findChild<QWidget*>(QStringLiteral("sheet"), Qt::FindDirectChildrenOnly));
  }
  // Shows the window and makes it active; false when it does not become so.
  bool ShowActive();

 private:
  TestedWindow(Panel& model, std::unique_ptr<Panel>&& panel) : Window(std::move(panel)), model_(model) {}
  Panel& model_;
};

// Types `text` at the end of a text box or a list's text field as the user
// does: End, then one key press per character (beyond ASCII the key of the
// upper case letter, as a keyboard layout with that letter sends it); a
// character that no key types (a control character) is pasted on its own.
// Stops when `goOn`, asked after each character, says no.
void TypeAtEnd(QWidget* box, const QString& text, const std::function<bool()>& goOn = {});

// Chooses row `row` of a list with the keyboard: Alt+Down opens its popup,
// Home and Down reach the row, Return chooses it.  False, with the popup
// closed and nothing chosen, when the popup does not reach the row.
bool PickFromPopup(QComboBox* list, int row);

// What a widget shows: a label's caption, the text of a text box or a list,
// a command button's caption; "1" or "0" for a check box or option button.
QString Shown(const QWidget* widget);

// The controls whose widget shows other than the window's model holds, each
// as "ID: shows 'X', model 'Y'"; none when they agree.
std::vector<std::string> Differences(const TestedWindow& window);

}  // namespace kasnak
