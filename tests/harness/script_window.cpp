// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/harness/script_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <exception>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

#include "app/text.h"
#include "app/window.h"
#include "model/faults.h"
#include "procedures/startup.h"
#include "tests/harness/script.h"
#include "tests/harness/window_input.h"

namespace kasnak {
namespace {

// The fault whose message a box shows.
std::optional<FaultKind> FaultShown(const QString& message) {
  for (FaultKind kind : kFaultKinds)
    if (message == QString::fromUtf8(FaultMessage(kind))) return kind;
  return std::nullopt;
}

class WindowPlayer : public ScriptPlayer {
 public:
  explicit WindowPlayer(Window& window) : window_(window) {
    // A fault's message box runs its own event loop inside the input that
    // opened it; this timer fires in that loop and closes the box.
    closer_.setInterval(0);
    QObject::connect(&closer_, &QTimer::timeout, [this] { CloseMessageBox(); });
    closer_.start();
  }

  bool Ended() const override { return !window_.isVisible(); }

 protected:
  std::optional<std::string> Refused(const Action& action) const override {
    if (!IsUtf8(action.text)) return std::string(kNotUtf8);
    return std::nullopt;
  }

 private:
  QWidget* widget(Control id) const { return window_.widget(id); }

  // The box the user types into: a text box, or a list's text field.
  QLineEdit* LineEdit(Control id) const {
    if (auto* combo = qobject_cast<QComboBox*>(widget(id))) return combo->lineEdit();
    return qobject_cast<QLineEdit*>(widget(id));
  }

  // Runs one simulated input; a message box that it opens has been closed
  // when it returns, and every widget shows what the model holds.
  template <typename Input>
  void Simulate(Input input) {
    input();
    for (const std::string& difference : Differences(window_)) trouble_ += difference + "; ";
    if (!trouble_.empty()) {
      std::string trouble;
      trouble.swap(trouble_);
      throw std::runtime_error(trouble);
    }
  }

  void CloseMessageBox() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    auto* box = qobject_cast<QMessageBox*>(modal);
    QAbstractButton* ok = box ? box->button(QMessageBox::Ok) : nullptr;
    if (!ok) {
      trouble_ = "an unexpected dialog opened: " + modal->windowTitle().toStdString();
      modal->close();
      return;
    }
    if (std::optional<FaultKind> fault = FaultShown(box->text()))
      PrintFault(*out_, *fault);
    else
      trouble_ = "a message box names no fault: " + box->text().toStdString();
    QTest::mouseClick(ok, Qt::LeftButton);
  }

  void Type(Control id, std::string_view text, std::ostream& out) override {
    out_ = &out;
    QWidget* target = widget(id);
    target->setFocus(Qt::MouseFocusReason);
    Simulate([&] { TypeAtEnd(target, ToQString(text), [this] { return trouble_.empty() && !Ended(); }); });
  }

  void Edit(Control id, std::string_view text, std::ostream& out) override {
    out_ = &out;
    QLineEdit* edit = LineEdit(id);
    widget(id)->setFocus(Qt::MouseFocusReason);
    Simulate([&] {
      edit->selectAll();
      edit->insert(ToQString(text));
    });
  }

  void Backspace(Control id, std::ostream& out) override {
    out_ = &out;
    QWidget* target = widget(id);
    target->setFocus(Qt::MouseFocusReason);
    Simulate([&] {
      QTest::keyClick(target, Qt::Key_End);
      QTest::keyClick(target, Qt::Key_Backspace);
    });
  }

  std::optional<std::string> Pick(Control id, std::string_view item, std::ostream& out) override {
    out_ = &out;
    auto* combo = qobject_cast<QComboBox*>(widget(id));
    const int row = combo->findText(ToQString(item), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (row < 0) return NotAnItem(item, id);
    combo->setFocus(Qt::MouseFocusReason);
    bool reached = false;
    Simulate([&] { reached = PickFromPopup(combo, row); });
    if (!reached || combo->view()->isVisible())
      throw std::runtime_error("the popup of " + ElementId(id) + " did not reach item " + std::string(item) +
                               " and close");
    return std::nullopt;
  }

  void Click(Control id, std::ostream& out) override {
    out_ = &out;
    auto* button = qobject_cast<QAbstractButton*>(widget(id));
    Simulate([&] { QTest::mouseClick(button, Qt::LeftButton); });
  }

  // What the window shows for a dumped control; the profile group shows the
  // index of its selected button.
  std::string Shown(Control id) const override {
    if (Def(id).kind != Kind::OptionButton) return kasnak::Shown(widget(id)).toStdString();
    const int checked = window_.profileGroup()->checkedId();
    return checked < 0 ? "none" : std::to_string(checked);
  }

  // The codes of the advice the strip shows, once the strip and the marks
  // agree: the strip shows the first advice and how many follow, its tool tip
  // one line each, and every mark shown stands beside a control that carries
  // its advice as its accessible description.
  std::string AdviceShown() const override {
    const QLabel* strip = window_.adviceStrip();
    const QString codes = strip->property("adviceCodes").toString();
    const qsizetype count = codes.isEmpty() ? 0 : codes.split(QLatin1Char(' ')).size();
    const QStringList texts = strip->toolTip().isEmpty() ? QStringList() : strip->toolTip().split(QLatin1Char('\n'));
    const QString more = count > 1 ? QStringLiteral("  +%1").arg(count - 1) : QString();
    if (texts.size() != count || strip->text().isEmpty() != (count == 0) || !strip->text().endsWith(more))
      throw std::runtime_error("the advice strip shows " + strip->text().toStdString() + " for " + codes.toStdString());
    for (const ControlDef& def : kControls) {
      const QWidget* mark = window_.mark(def.id);
      const bool marked = mark && mark->isVisible();
      if (marked != !widget(def.id)->accessibleDescription().isEmpty())
        throw std::runtime_error("the mark of " + ElementId(def.id) + " does not match its description");
    }
    return codes.toStdString();
  }

  Window& window_;
  QTimer closer_;
  std::ostream* out_ = nullptr;
  std::string trouble_;  // what went wrong inside a message box's loop
};

}  // namespace

int PlayScriptInWindow(std::istream& in, std::ostream& out, std::ostream& err) {
  std::unique_ptr<Window> window;
  try {
    window = std::make_unique<Window>(StartUp());
  } catch (const std::exception& failure) {
    err << "kasnak-script: start-up: " << failure.what() << '\n';
    return kScriptBroken;
  }
  window->show();
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window.get())) {
    err << "kasnak-script: the window did not become active\n";
    return kScriptBroken;
  }
  WindowPlayer player(*window);
  return PlayScript(player, in, out, err);
}

}  // namespace kasnak
