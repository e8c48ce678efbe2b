// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt window: a thin view over the window model (panel).
//
// One widget per control of the control table (app/widgets.h), placed in
// twips scaled by the screen's logical dpi.  Qt signals never decide when a
// procedure runs: every user action is forwarded to the model (UserEdit,
// UserPick, UserClick), and afterwards every widget is brought in line with
// the model with its signals blocked.  A fault that stopped the chain is
// shown in a message box; when the model has ended the program the window
// closes and the application quits.
//
// Widgets are named after their controls ("Text2", "Combo1", "Label36"); the
// four profile buttons are "Option1_0" to "Option1_3".  Text boxes and lists
// carry an accessible name made of their prompt and unit; a result label's
// accessible name reads its result with them and changes with it.  The
// window reads to a screen reader as a window named by its title
// (app/accessibility.h).
//
// Below the form, as a status bar, a strip one line high shows the first
// advice of the core (advice/advice.h) and how many more follow ("+2"); its
// tool tip holds them all, and a click, or Enter or Space once Tab has
// reached it (its last stop), unfolds it into a list of them all
// (FoldingStrip, app/widgets.h).  Each control an advice is about is framed
// by a dashed mark and carries the advice as its accessible description.
// Advice never takes the focus by itself, opens no box and makes no sound.
// The strip is named "advice"; its property "adviceCodes" holds the codes of
// the advice it shows, as AdviceCodes writes them.
//
// Below the strip, the ordering and fitting section (fitting/sheet.h): its
// title and its lines, which can be selected and copied.  Ctrl+Shift+C, or
// the context menu of the section or the strip, copies the whole drive as
// text (fitting/report.h); the action is named "copyDrive".  The section is
// named "sheet"; its property "sheetFigures" holds the figures of what it
// shows, as SheetFor gives them.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QSize>
#include <QWidget>
#include <array>
#include <memory>

#include "app/widgets.h"
#include "model/panel.h"
#include "procedures/calculate.h"

class QAction;
class QButtonGroup;

namespace kasnak {

class SheetSection;

class Window : public QWidget {
  Q_OBJECT

 public:
  // The window over `panel`, which has been loaded (lists filled) already.
  explicit Window(std::unique_ptr<Panel> panel, QWidget* parent = nullptr);
  ~Window() override;

  // The advice strip's height in the window's font: one line, with a pixel
  // of frame and a pixel of room above and below it.
  static int StripHeight(const QFont& font) { return QFontMetrics(font).height() + 4; }
  // The ordering and fitting section's height in the window's font: its
  // title and its most lines, whatever it shows, with the strip's room above
  // and below.
  static int SheetHeight(const QFont& font);
  // The window's size in its font at a logical dpi: the form, the advice
  // strip below it and the section below the strip.
  static QSize SizeAt(const QFont& font, int dpiX, int dpiY) {
    const PixelRect window = WindowPlace(dpiX, dpiY, StripHeight(font), SheetHeight(font));
    return {window.width, window.height};
  }

  QWidget* Widget(Control id) const { return widgets_[IndexOf(id)]; }

 private:
  void Build();
  void Connect(Control id);
  // Runs one user action on the model, then shows its outcome.
  template <typename Action>
  void Act(Action action);
  // Brings every widget in line with the model, raising no signal.
  void Sync();
  // Shows the core's advice for the panel as it stands.
  void ShowAdvice(const CalculatedCopy& calculated);
  // Shows the ordering and fitting section for the panel as it stands.
  void ShowSheet(const CalculatedCopy& calculated);

  std::unique_ptr<Panel> panel_;
  std::array<QWidget*, kControlCount> widgets_{};
  QButtonGroup* profiles_ = nullptr;
  FoldingStrip* strip_ = nullptr;
  std::array<QWidget*, kControlCount> marks_{};
  SheetSection* sheet_ = nullptr;
  QAction* copyDrive_ = nullptr;
};

}  // namespace kasnak
