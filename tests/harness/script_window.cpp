// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/harness/script_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

#include "app/text.h"
#include "app/widgets.h"
#include "fitting/sheet.h"
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
  explicit WindowPlayer(TestedWindow& window) : window_(window) {
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
  QWidget* Widget(Control id) const { return window_.Widget(id); }

  // The box the user types into: a text box, or a list's text field.
  QLineEdit* LineEdit(Control id) const {
    if (auto* combo = qobject_cast<QComboBox*>(Widget(id))) return combo->lineEdit();
    return qobject_cast<QLineEdit*>(Widget(id));
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
    QWidget* target = Widget(id);
    target->setFocus(Qt::MouseFocusReason);
    Simulate([&] { TypeAtEnd(target, ToQString(text), [this] { return trouble_.empty() && !Ended(); }); });
  }

  void Edit(Control id, std::string_view text, std::ostream& out) override {
    out_ = &out;
    QLineEdit* edit = LineEdit(id);
    Widget(id)->setFocus(Qt::MouseFocusReason);
    Simulate([&] {
      edit->selectAll();
      edit->insert(ToQString(text));
    });
  }

  void Backspace(Control id, std::ostream& out) override {
    out_ = &out;
    QWidget* target = Widget(id);
    target->setFocus(Qt::MouseFocusReason);
    Simulate([&] {
      QTest::keyClick(target, Qt::Key_End);
      QTest::keyClick(target, Qt::Key_Backspace);
    });
  }

  std::optional<std::string> Pick(Control id, std::string_view item, std::ostream& out) override {
    out_ = &out;
    auto* combo = qobject_cast<QComboBox*>(Widget(id));
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
    auto* button = qobject_cast<QAbstractButton*>(Widget(id));
    Simulate([&] { QTest::mouseClick(button, Qt::LeftButton); });
  }

  // What the window shows for a dumped control; the profile group shows the
  // index of its selected button.
  std::string Shown(Control id) const override {
    if (Def(id).kind != Kind::OptionButton) return kasnak::Shown(Widget(id)).toStdString();
    const int checked = window_.ProfileGroup()->checkedId();
    return checked < 0 ? "none" : std::to_string(checked);
  }

  // The strip as a person unfolds it: a click lists every advice, `texts`,
  // in order, each whole at the list's width, in the window's font, on the
  // screen, the keys going to the list; Escape folds it and gives the focus
  // back.  With no advice a click unfolds nothing.
  void Unfold(const QStringList& texts, const std::function<void(const std::string&)>& fail) const {
    FoldingStrip* strip = window_.AdviceStrip();
    QWidget* focus = QApplication::focusWidget();
    const bool active = window_.isActiveWindow();
    QTest::mouseClick(strip, Qt::LeftButton);
    if (strip->Unfolded() == texts.isEmpty()) fail(texts.isEmpty() ? "unfolds" : "does not unfold");
    if (texts.isEmpty()) return;
    const QListWidget* list = strip->List();
    const QFontMetrics metrics(list->font());
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    QStringList items;
    for (int row = 0; row < list->count(); ++row) {
      const QListWidgetItem* item = list->item(row);
      items << item->text();
      const QRect place = list->visualItemRect(item).adjusted(margin, 0, -margin, 0);
      const QRect needs = metrics.boundingRect(place, Qt::TextWordWrap, item->text());
      if (!list->viewport()->rect().contains(place) || needs.height() > place.height() || needs.width() > place.width())
        fail("cuts advice " + std::to_string(row + 1) + " unfolded");
    }
    if (items != texts) fail("unfolds into " + items.join(QStringLiteral(" | ")).toStdString());
    if (list->font() != window_.font()) fail("unfolds in another font");
    if (!strip->screen()->availableGeometry().contains(list->window()->geometry())) fail("unfolds off the screen");
    if (QApplication::focusWidget() != list) fail("unfolds into a list that takes no keys");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    if (strip->Unfolded()) fail("does not fold on Escape");
    // (After a fault's box the offscreen window is not active again, and Qt
    // gives the focus back to no widget.)
    if (active && QApplication::focusWidget() != focus) fail("does not give the focus back");
  }

  // The advice as a person sees it: the strip shows its first advice, whole
  // or cut to an ellipsis, and how many more follow, within its width, and a
  // screen reader hears the first whole; its tool tip holds every advice,
  // one a line, and it unfolds into them; every mark shown stands beside a control that carries its
  // advice as its accessible description, a list's text field too.
  AdviceSeen AdviceShown() const override {
    const FoldingStrip* strip = window_.AdviceStrip();
    const QString codes = strip->property("adviceCodes").toString();
    const qsizetype count = codes.isEmpty() ? 0 : codes.split(QLatin1Char(' ')).size();
    const QStringList texts = strip->toolTip().isEmpty() ? QStringList() : strip->toolTip().split(QLatin1Char('\n'));
    auto fail = [&](const std::string& what) {
      throw std::runtime_error("the advice strip " + what + " for " + codes.toStdString());
    };
    if (texts.size() != count) fail("lists " + std::to_string(texts.size()) + " advice in its tool tip");
    Unfold(texts, fail);
    AdviceSeen seen{codes.toStdString(), {}, {}};
    const QString shown = strip->text();
    if (count == 0 && !shown.isEmpty()) fail("shows " + shown.toStdString());
    if (count > 0) {
      // What a screen reader hears is the line the scripts print; what
      // shows is that line with its first advice cut to fit.
      const QString heard = strip->accessibleName();
      seen.strip = heard.toStdString();
      if (!heard.startsWith(texts.front())) fail("is heard as " + seen.strip);
      const QString more = heard.mid(texts.front().size());
      const QString first = shown.left(shown.size() - more.size());
      const QString ellipsis(QChar(0x2026));
      const bool whole = first == texts.front();
      const bool cut = first.endsWith(ellipsis) && texts.front().startsWith(first.chopped(1));
      if (!shown.endsWith(more) || !(whole || cut)) fail("shows " + shown.toStdString());
      const int room = strip->contentsRect().width() - strip->indent();
      if (QFontMetrics(strip->font()).horizontalAdvance(shown) > room)
        fail("is wider than itself: " + shown.toStdString());
    }
    // Each control's mark is the advice mark around it.
    const QList<QWidget*> children = window_.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (const ControlDef& def : kControls) {
      const QWidget* w = Widget(def.id);
      const QString description = w->accessibleDescription();
      const QRect around =
          w->geometry().adjusted(-AdviceMark::kWidth, -AdviceMark::kWidth, AdviceMark::kWidth, AdviceMark::kWidth);
      const bool marked = std::any_of(children.begin(), children.end(), [&](const QWidget* child) {
        return dynamic_cast<const AdviceMark*>(child) && child->geometry() == around && child->isVisible();
      });
      if (marked != !description.isEmpty())
        throw std::runtime_error("the mark of " + ElementId(def.id) + " does not match its description");
      if (const auto* combo = qobject_cast<const QComboBox*>(w);
          combo && combo->lineEdit()->accessibleDescription() != description)
        throw std::runtime_error("the text field of " + ElementId(def.id) + " is described otherwise than its list");
      seen.Mark(def.id, description.toStdString());
    }
    return seen;
  }

  // The section as a person sees it: its title, and below it its lines,
  // wrapped within its width and all within its height, inside the window,
  // heard as the label's name described by the title.  Its figures are the
  // section's "sheetFigures"; each number of them stands in the lines, and
  // there are none exactly while it shows one line or none.
  SheetSeen SheetShown() const override {
    const SheetSection* section = window_.Section();
    const QLabel* title = section->Title();
    const QLabel* label = section->Lines();
    const QString text = label->text();
    const QString figures = section->property("sheetFigures").toString();
    auto fail = [&](const std::string& what) {
      throw std::runtime_error("the section " + what + " for '" + figures.toStdString() + "'");
    };
    if (!title->isVisible() || title->text() != ToQString(kSheetTitle))
      fail("has the title " + title->text().toStdString());
    if (!label->isVisible() || !window_.rect().contains(QRect(label->mapTo(&window_, QPoint()), label->size())))
      fail("is not inside the window");
    const QRect room = label->contentsRect();
    const QFontMetrics metrics(label->font());
    int height = 0;
    SheetSeen seen{figures.toStdString(), {}};
    if (!text.isEmpty())
      for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QRect needs = metrics.boundingRect(QRect(QPoint(), room.size()), Qt::TextWordWrap, line);
        if (needs.width() > room.width()) fail("is wider than itself: " + line.toStdString());
        height += needs.height();
        seen.lines.push_back(line.toStdString());
      }
    if (height > room.height() || label->heightForWidth(label->width()) > label->height())
      fail("is cut at its foot: " + text.toStdString());
    if (label->accessibleName() != text || label->accessibleDescription() != title->text())
      fail("is heard as " + label->accessibleName().toStdString());
    if (!(label->textInteractionFlags() & Qt::TextSelectableByMouse)) fail("cannot be selected");
    if (figures.isEmpty() != (seen.lines.size() <= 1)) fail("shows " + std::to_string(seen.lines.size()) + " lines");
    for (const QString& figure : figures.split(QLatin1Char(' '), Qt::SkipEmptyParts))
      for (const QString& value : figure.split(QLatin1Char(':')).mid(1))
        if (value.contains(QRegularExpression(QStringLiteral("[0-9]"))) && !text.contains(value))
          fail("does not show " + value.toStdString());
    return seen;
  }

  TestedWindow& window_;
  QTimer closer_;
  std::ostream* out_ = nullptr;
  std::string trouble_;  // what went wrong inside a message box's loop
};

}  // namespace

int PlayScriptInWindow(std::istream& in, std::ostream& out, std::ostream& err) {
  std::unique_ptr<TestedWindow> window;
  try {
    window = std::make_unique<TestedWindow>(StartUp());
  } catch (const std::exception& failure) {
    err << "kasnak-script: start-up: " << failure.what() << '\n';
    return kScriptBroken;
  }
  if (!window->ShowActive()) {
    err << "kasnak-script: the window did not become active\n";
    return kScriptBroken;
  }
  WindowPlayer player(*window);
  return PlayScript(player, in, out, err);
}

}  // namespace kasnak
