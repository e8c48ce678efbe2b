// The Qt window: a thin view over the window model (Form1).
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
// four profile buttons are "Option1_0" to "Option1_3".  Text boxes, lists and
// output labels carry an accessible name made of their prompt and unit; an
// output label's accessible description is its caption, and its tool tip too
// when the caption is wider than the box.
#pragma once

#include <QFont>
#include <QString>
#include <QWidget>
#include <array>
#include <memory>

#include "panel/form.h"

class QButtonGroup;

namespace kasnak {

// The program's name, also the title of its message boxes.
inline constexpr const char* kProgramName = "kasnak";

// The one font of the program, chosen so that every caption fits its box at
// 96 and 144 dpi; the first call registers it with Qt's font database.
QFont WindowFont();

// Twips to pixels at a logical dpi (1440 twips to the logical inch), rounded
// to the nearest pixel.
int TwipsToPixels(int twips, int dpi);

// The accessible name of a text box, a list or an output label: its prompt
// on the same row without the "=", and its unit when it has one ("Vida
// Deviri, d/dk", "Devir Oranı (i)").  Other controls get none: their own
// captions name them.
QString AccessibleName(Ctl id);

// The object name of a control's widget.
QString WidgetName(Ctl id);

class Window : public QWidget {
  Q_OBJECT

 public:
  // The window over `form`, which has been loaded (lists filled) already.
  explicit Window(std::unique_ptr<Form1> form, QWidget* parent = nullptr);
  ~Window() override;

  Form1& form() { return *form_; }
  QWidget* widget(Ctl id) const { return widgets_[IndexOf(id)]; }
  QButtonGroup* profileGroup() const { return profiles_; }

 private:
  void Build();
  void Connect(Ctl id);
  // Runs one user action on the model, then shows its outcome.
  template <typename Action>
  void Act(Action action);
  // Brings every widget in line with the model, raising no signal.
  void Sync();

  std::unique_ptr<Form1> form_;
  std::array<QWidget*, kControlCount> widgets_{};
  QButtonGroup* profiles_ = nullptr;
};

}  // namespace kasnak
