// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QListWidget>

#include "app/widgets.h"
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

// The accessible face of the advice strip: a button, named by what it shows
// and described by every advice, that unfolds them as a list.  Qt reads a
// label as static text, which takes no focus and cannot be pressed.
class StripFace : public QAccessibleWidget {
 public:
  explicit StripFace(FoldingStrip* strip) : QAccessibleWidget(strip, QAccessible::Button) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.hasPopup = true;
    state.expanded = Strip()->Unfolded();
    state.collapsed = !state.expanded;
    return state;
  }
  // The list it unfolds into, a popup, is its one child, as a list's popup
  // is the list's: Qt leaves popups out of the application's windows.
  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(Strip()->List()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child && child->object() == Strip()->List() ? 0 : -1;
  }
  QStringList actionNames() const override { return {pressAction(), showMenuAction()}; }
  void doAction(const QString& action) override {
    if (action != pressAction() && action != showMenuAction()) return;
    if (Strip()->Unfolded())
      Strip()->Fold();
    else
      Strip()->Unfold();
  }

 private:
  FoldingStrip* Strip() const { return static_cast<FoldingStrip*>(widget()); }
};

QAccessibleInterface* Face(const QString& className, QObject* object) {
  if (className == QLatin1String(Window::staticMetaObject.className()))
    return new WindowFace(static_cast<Window*>(object));
  if (className == QLatin1String(FoldingStrip::staticMetaObject.className()))
    return new StripFace(static_cast<FoldingStrip*>(object));
  auto* combo = qobject_cast<QComboBox*>(object);
  if (className != QLatin1String("QComboBox") || !combo || combo->accessibleName().isEmpty()) return nullptr;
  return new ListFace(combo);
}

}  // namespace

void InstallAccessibleFaces() {
  [[maybe_unused]] static const bool installed = (QAccessible::installFactory(Face), true);
}

}  // namespace kasnak
