// SPDX-License-Identifier: GPL-3.0-or-later
// The window's widgets: one for each kind of control of the control table,
// and the mark of a control an advice is about.
//
// A text box or list holds a text of any length but the table's limit, in
// characters as the model counts them.  A text wider than its box shows its
// start and an ellipsis, and whole in the tool tip; a result's text can be
// selected with the mouse and copied.  A check box or profile button answers
// a press anywhere in its box.  The advice strip unfolds into every advice.
// The ordering and fitting section shows its title and lines, which can be
// selected and copied.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

#include "model/controls.h"

class QAction;
class QButtonGroup;
class QComboBox;
class QFrame;
class QListWidget;

namespace kasnak {

class Panel;

// A result's box: its text can be selected with the mouse and copied, a
// double click selecting the whole figure, and a result wider than the box
// draws its start and an ellipsis, never a cut figure.  text() stays the
// whole result.
class ResultLabel : public QLabel {
 public:
  using QLabel::QLabel;

  QRect Room() const;
  QString Drawn() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  // A word of "16.31" would be "16" alone.
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A text box or a list's text field that, while it has no focus, draws a
// text wider than itself as its start and an ellipsis; with the focus, the
// user edits the whole text as in any text box.
class FigureEdit : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

  QRect Room() const;
  QString Drawn() const;
  // The whole text in the tool tip while the box cuts it.
  void ShowWhole();

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The mark of a control an advice is about: a dashed frame two pixels wide
// around its box, drawn over the form and letting every click through.  A
// shape, not a colour alone, tells it; the control's own text and look stay.
class AdviceMark : public QWidget {
 public:
  static constexpr int kWidth = 2;
  AdviceMark(QWidget* control, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent*) override;
};

// The advice strip below the form: the first advice, cut to fit, and how
// many more follow.  While it shows advice it takes the focus by Tab (not by
// a click, which leaves the focus where the user types); a click, or Enter or
// Space with the focus, unfolds it into a list of every advice in order, each
// whole, wrapped at the strip's width, below the strip or, where the screen
// has no room below, above it.  The list takes the keys: the arrows walk it;
// Escape, Enter or Space folds it, as a second click or a click elsewhere
// does.  A screen reader hears a button, collapsed or expanded, named by what
// the strip shows and described by every advice (app/accessibility.h), and
// the list item by item.
class FoldingStrip : public QLabel {
  Q_OBJECT

 public:
  explicit FoldingStrip(QWidget* window);

  // Shows `advice`, the first as `shown` and heard as `heard`; folds.
  void Show(const QStringList& advice, const QString& shown, const QString& heard);
  bool Unfolded() const;
  void Unfold();
  void Fold();
  // The list it unfolds into.
  QListWidget* List() const { return list_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // The list's keys, and the popup's presses and hiding.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Tells a screen reader that the strip folded or unfolded.
  void Announce();
  // Places the list below the strip, or above it, on the screen.
  void Place(QWidget* popup);

  QStringList advice_;
  QFrame* popup_;
  QListWidget* list_;
};

// The ordering and fitting section: its title, and below it its lines as
// one text, wrapped at its width, that can be selected with the mouse or,
// once clicked, with the keyboard, and copied (Ctrl+C or its context menu);
// it is no stop for Tab.  A screen reader hears the title, then the lines as
// one label's name, described by the title; a change of the lines is
// announced as a change of that name.  The context menu also offers
// `copyAll`.
class SheetSection : public QWidget {
 public:
  // The section at `place` in `window`, its text `indent` pixels in from
  // either side.
  SheetSection(const QString& title, QWidget* window, const QRect& place, int indent, QAction* copyAll);
  // The height of a section of `lines` lines in `font`, as its labels lay
  // out their text: a line may stand higher than the font's line spacing.
  static int HeightFor(const QFont& font, int lines);

  QLabel* Title() const { return title_; }
  QLabel* Lines() const { return lines_; }
  // Shows `lines`; false, with nothing redrawn, when it shows them already.
  bool Show(const QStringList& lines);

 private:
  void ShowMenu(const QPoint& at);

  QLabel* title_;
  QLabel* lines_;
  QAction* copyAll_;
};

// What a control's widget is made with: the panel whose limits a text box
// keeps, the group the profile buttons join, the window that holds the
// widgets and its logical dpi.
struct WidgetSetting {
  const Panel& panel;
  QButtonGroup* profiles;
  QWidget* parent;
  int dpiX, dpiY;
};

// The widget of a control, of its kind's class, named after its element id,
// with its tool tip and accessible name, at its place.
QWidget* MakeWidget(const ControlDef& def, const WidgetSetting& setting);

// Shows a result label's result, read in full by a screen reader with the
// label's name (the change of name is announced), and in the tool tip when
// the box cuts it.
void ShowResult(Control id, ResultLabel* label, const QString& result);

// Brings a list's items and text in line with the model's.
void SyncList(QComboBox* combo, const std::vector<std::string>& items, const std::string& text);

// What a result label, text box or list draws while it has no focus: its
// whole text, or, when the box is too narrow for it, the text's start and an
// ellipsis.  Empty for any other widget.
QString Drawn(const QWidget* box);

}  // namespace kasnak
