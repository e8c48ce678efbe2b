// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

#include "app/window.h"

namespace kasnak {

namespace {

// The accessible face of a list.  Qt on Linux names a list by its current
// item and leaves its label to a relation; this face names it by its
// accessible name and gives the item as its value.
class ListFace : public QAccessibleWidget {
 public:
  explicit ListFace(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Combo()->currentText();
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = Combo()->view()->isVisible();
    state.editable = Combo()->isEditable();
    return state;
  }
  QStringList actionNames() const override { return QStringList{showMenuAction()} + QAccessibleWidget::actionNames(); }
  void doAction(const QString& action) override {
    if (action != showMenuAction()) return QAccessibleWidget::doAction(action);
    if (Combo()->view()->isVisible())
      Combo()->hidePopup();
    else
      Combo()->showPopup();
  }

 private:
  QComboBox* Combo() const { return static_cast<QComboBox*>(widget()); }
};

// The accessible face of the window: a window named by its title.  Qt takes
// a plain top-level widget for a client area, which reads as a "filler".
class WindowFace : public QAccessibleWidget {
 public:
  explicit WindowFace(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return widget()->windowTitle().trimmed();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* Face(const QString& className, QObject* object) {
  if (className == QLatin1String(Window::staticMetaObject.className()))
    return new WindowFace(static_cast<Window*>(object));
  auto* combo = qobject_cast<QComboBox*>(object);
  if (className != QLatin1String("QComboBox") || !combo || combo->accessibleName().isEmpty()) return nullptr;
  return new ListFace(combo);
}

}  // namespace

void InstallAccessibleFaces() {
  [[maybe_unused]] static const bool installed = (QAccessible::installFactory(Face), true);
}

}  // namespace kasnak
