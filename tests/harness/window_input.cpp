// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/harness/window_input.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <algorithm>

#include "app/text.h"
#include "app/widgets.h"

namespace kasnak {

namespace {

// One key press and release carrying `character` (one code point, one or
// two UTF-16 units).
void PressKey(QWidget* target, const QString& character) {
  const char32_t code = character.toUcs4().value(0);
  if (code < 0x80) {
    QTest::keyClick(target, static_cast<char>(code));
    return;
  }
  // A character outside the first plane has no key.
  const QString upper = character.toUpper();
  Qt::Key key = Qt::Key_unknown;
  if (upper.size() == 1)
    key = static_cast<Qt::Key>(upper.at(0).unicode());
  else if (character.size() == 1)
    key = static_cast<Qt::Key>(character.at(0).unicode());
  QTest::sendKeyEvent(QTest::Click, target, key, character, Qt::NoModifier);
}

// The width a box lays its text out in, as Qt's widgets lay it out: a
// label's contents less its margin and indent, a text box's text rectangle
// less QLineEdit's two pixels either side.
int TextRoom(const QWidget* box) {
  if (auto* label = qobject_cast<const QLabel*>(box))
    return label->contentsRect().width() - 2 * label->margin() - std::max(label->indent(), 0);
  auto* edit = qobject_cast<const QLineEdit*>(box);
  QStyleOptionFrame option;
  option.initFrom(edit);
  option.rect = edit->contentsRect();
  option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
  const QRect text = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
  return text.marginsRemoved(edit->textMargins()).width() - 2 * 2;
}

bool NoKeyTypes(const QString& character) {
  const char32_t code = character.toUcs4().value(0);
  return code < 0x20 || (code >= 0x7F && code < 0xA0);
}

}  // namespace

bool TestedWindow::ShowActive() {
  show();
  activateWindow();
  return QTest::qWaitForWindowActive(this);
}

void TypeAtEnd(QWidget* box, const QString& text, const std::function<bool()>& goOn) {
  auto* list = qobject_cast<QComboBox*>(box);
  QLineEdit* edit = list ? list->lineEdit() : qobject_cast<QLineEdit*>(box);
  QTest::keyClick(box, Qt::Key_End);
  for (qsizetype i = 0; i < text.size() && (!goOn || goOn());) {
    const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString character = text.mid(i, length);
    i += length;
    if (NoKeyTypes(character)) {
      edit->end(false);
      edit->insert(character);
    } else {
      PressKey(box, character);
    }
  }
}

bool PickFromPopup(QComboBox* list, int row) {
  QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
  QAbstractItemView* view = list->view();
  QTest::keyClick(view, Qt::Key_Home);
  for (int k = 0; k < row; ++k) QTest::keyClick(view, Qt::Key_Down);
  if (row < 0 || view->currentIndex().row() != row) {
    list->hidePopup();
    return false;
  }
  QTest::keyClick(view, Qt::Key_Return);
  return true;
}

QString Shown(const QWidget* widget) {
  if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (auto* edit = qobject_cast<const QLineEdit*>(widget)) return edit->text();
  if (auto* list = qobject_cast<const QComboBox*>(widget)) return list->currentText();
  auto* button = qobject_cast<const QAbstractButton*>(widget);
  if (!button) return {};
  if (button->isCheckable()) return button->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
  return button->text();
}

std::vector<std::string> Differences(const TestedWindow& window) {
  std::vector<std::string> out;
  const Panel& panel = window.Model();
  for (const ControlDef& def : kControls) {
    const QString shown = Shown(window.Widget(def.id));
    QString model;
    switch (def.kind) {
      case Kind::Label:
        model = ToQString(panel.Caption(def.id));
        break;
      case Kind::CommandButton:
        model = shown;
        break;
      case Kind::TextBox:
      case Kind::ComboBox:
        model = ToQString(panel.Text(def.id));
        break;
      case Kind::CheckBox:
      case Kind::OptionButton:
        model = panel.Value(def.id) ? "1" : "0";
        break;
    }
    if (shown != model)
      out.push_back(ElementId(def.id) + ": shows '" + shown.toStdString() + "', model '" + model.toStdString() + "'");
    // A figure is whole somewhere a person can read it, and a result can be
    // selected and copied.
    const QWidget* w = window.Widget(def.id);
    const auto* combo = qobject_cast<const QComboBox*>(w);
    const QString drawn = Drawn(w);
    const QWidget* box = combo ? combo->lineEdit() : w;
    if (!drawn.isEmpty() && drawn != shown && box->toolTip() != shown)
      out.push_back(ElementId(def.id) + ": draws '" + drawn.toStdString() + "' without the whole text in its tool tip");
    if (!drawn.isEmpty() && drawn == shown && box->fontMetrics().horizontalAdvance(shown) > TextRoom(box))
      out.push_back(ElementId(def.id) + ": draws '" + drawn.toStdString() + "' cut by its box, with no ellipsis");
    const auto* label = qobject_cast<const QLabel*>(w);
    if (def.output && label && !(label->textInteractionFlags() & Qt::TextSelectableByMouse))
      out.push_back(ElementId(def.id) + ": its result cannot be selected");
  }
  return out;
}

}  // namespace kasnak
