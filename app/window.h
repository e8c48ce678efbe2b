// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt window: a thin view over the window model (panel).
//
// One widget per control of the control table, placed in twips scaled by the
// screen's logical dpi.  Qt signals never decide when a procedure runs: every
// user action is forwarded to the model (UserEdit, UserPick, UserClick), and
// afterwards every widget is brought in line with the model with its signals
// blocked.  A fault that stopped the chain is shown in a message box; when
// the model has ended the program the window closes and the application
// quits.
//
// Widgets are named after their controls ("Text2", "Combo1", "Label36"); the
// four profile buttons are "Option1_0" to "Option1_3".  Text boxes and lists
// carry an accessible name made of their prompt and unit; a result label's
// accessible name reads its result with them and changes with it.  A text
// wider than its box shows its start and an ellipsis, and whole in the tool
// tip; a result's text can be selected with the mouse and copied.  The
// window reads to a screen reader as a window named by its title.  A check
// box or profile button answers a press anywhere in its box.  Text boxes and
// lists hold texts of any length but the table's limits.
//
// Below the form, as a status bar, a strip one line high shows the first
// advice of the core (advice/advice.h) and how many more follow ("+2"); its
// tool tip holds them all.  Each control an advice is about is framed by a
// dashed mark and carries the advice as its accessible description.  Advice
// never takes the focus, opens no box and makes no sound.
#pragma once

#include <QFont>
#include <QString>
#include <QWidget>
#include <array>
#include <memory>

#include "model/panel.h"

class QButtonGroup;
class QLabel;

namespace kasnak {

// The one font of the program, chosen so that every caption fits its box at
// 96 and 144 dpi; the first call registers it with Qt's font database.
QFont WindowFont();

// What a result label, text box or list draws while it has no focus: its
// whole text, or, when the box is too narrow for it, the text's start and an
// ellipsis.  Empty for any other widget.
QString Drawn(const QWidget* box);

class Window : public QWidget {
  Q_OBJECT

 public:
  // The window over `panel`, which has been loaded (lists filled) already.
  explicit Window(std::unique_ptr<Panel> panel, QWidget* parent = nullptr);
  ~Window() override;

  Panel& panel() { return *panel_; }
  QWidget* widget(Control id) const { return widgets_[IndexOf(id)]; }
  QButtonGroup* profileGroup() const { return profiles_; }
  // The advice strip; its property "adviceCodes" holds the codes of the
  // advice it shows, as AdviceCodes writes them.
  QLabel* adviceStrip() const { return strip_; }
  // The mark beside a control, shown while an advice is about it; none for
  // a control that has never been advised.
  QWidget* mark(Control id) const { return marks_[IndexOf(id)]; }

 private:
  void Build();
  void Connect(Control id);
  // Runs one user action on the model, then shows its outcome.
  template <typename Action>
  void Act(Action action);
  // Brings every widget in line with the model, raising no signal.
  void Sync();
  // Shows the core's advice for the panel as it stands.
  void ShowAdvice();

  std::unique_ptr<Panel> panel_;
  std::array<QWidget*, kControlCount> widgets_{};
  QButtonGroup* profiles_ = nullptr;
  QLabel* strip_ = nullptr;
  std::array<QWidget*, kControlCount> marks_{};
};

}  // namespace kasnak
