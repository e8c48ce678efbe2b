// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/widgets.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStyleOptionFrame>
#include <QStyleOptionViewItem>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>
#include <array>
#include <limits>

#include "app/text.h"
#include "model/panel.h"

namespace kasnak {

namespace {

// Keeps a text box within its maximum length in characters, as the model
// counts them: QLineEdit's own maximum counts UTF-16 units and may cut a
// character beyond the first plane in two.  As QLineEdit does, what the user
// types or pastes is cut to what fits and the text around it stays, so a
// key that would add a character to a full box changes nothing.
class CharacterLimit : public QValidator {
 public:
  CharacterLimit(const Panel& panel, Control id, QObject* parent) : QValidator(parent), panel_(panel), id_(id) {}

  State validate(QString& input, int& pos) const override {
    const std::string whole = input.toStdString();
    if (Panel::Fitting(id_, {}, whole, {}) == whole) return Acceptable;
    // Between edits the box shows the model's text.  The insertion ends at
    // the cursor and begins where the new text leaves the old one.
    const QString before = ToQString(panel_.Text(id_));
    qsizetype start = 0;
    while (start < pos && start < before.size() && input.at(start) == before.at(start)) ++start;
    if (start > 0 && input.at(start - 1).isHighSurrogate()) --start;
    const QString head = input.left(start);
    const QString tail = input.mid(pos);
    const std::string around[] = {head.toStdString(), tail.toStdString()};
    if (CharacterCount(around[0]) + CharacterCount(around[1]) > Panel::MaxLength(id_)) return Invalid;
    const QString inserted =
        ToQString(Panel::Fitting(id_, around[0], input.mid(start, pos - start).toStdString(), around[1]));
    input = head + inserted + tail;
    pos = static_cast<int>(head.size() + inserted.size());
    return Acceptable;
  }

 private:
  const Panel& panel_;
  Control id_;
};

// A check box or profile button that a press anywhere in its box toggles or
// selects, not only a press on its mark or caption.
template <typename Button>
class WholeBox : public Button {
 public:
  using Button::Button;

 protected:
  bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

// A list's popup takes no key once it has closed.  With a screen reader on,
// Qt's accessibility bridge hands each key to the reader and then delivers
// it again: the Return that chose an item would reach the closed popup a
// second time and choose the item again, running the list's procedure twice.
class ClosedPopupTakesNoKeys : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* view, QEvent* event) override {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    return key && !static_cast<QWidget*>(view)->isVisible();
  }
};

// A text field holds as many characters as the model: QLineEdit would keep
// 32767 and cut a longer paste.  The control table's limits are the
// validator's.
void HoldAnyLength(QLineEdit* edit) { edit->setMaxLength(std::numeric_limits<int>::max()); }

QWidget* MakeLabel(const ControlDef& def, const WidgetSetting& setting) {
  auto* label = def.output ? new ResultLabel(ToQString(def.caption), setting.parent)
                           : new QLabel(ToQString(def.caption), setting.parent);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  if (def.output) {
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setMargin(1);
    // No indent beside the border: the results need the room.
    label->setIndent(0);
    // The output labels' background, the colour of active title-bar text,
    // has no palette role in Qt; white stands in for it.
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    // Selected with the mouse and copied; still no stop for Tab.
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  return label;
}

QWidget* MakeTextBox(const ControlDef& def, const WidgetSetting& setting) {
  auto* edit = new FigureEdit(setting.parent);
  HoldAnyLength(edit);
  if (def.maxLength > 0) edit->setValidator(new CharacterLimit(setting.panel, def.id, edit));
  return edit;
}

QWidget* MakeList(const ControlDef&, const WidgetSetting& setting) {
  auto* combo = new QComboBox(setting.parent);
  combo->setEditable(true);
  combo->setLineEdit(new FigureEdit(combo));
  combo->setInsertPolicy(QComboBox::NoInsert);
  HoldAnyLength(combo->lineEdit());
  // Inline completion would change the text behind the user's back.
  combo->setCompleter(nullptr);
  // A typed text that matches an item must not count as choosing it: the
  // list's click procedure runs only when the user picks from the list.
  QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
  combo->view()->installEventFilter(new ClosedPopupTakesNoKeys(combo));
  return combo;
}

QWidget* MakeCheckBox(const ControlDef& def, const WidgetSetting& setting) {
  return new WholeBox<QCheckBox>(ToQString(def.caption), setting.parent);
}

QWidget* MakeOptionButton(const ControlDef& def, const WidgetSetting& setting) {
  auto* button = new WholeBox<QRadioButton>(ToQString(def.caption), setting.parent);
  setting.profiles->addButton(button, def.index);
  return button;
}

QWidget* MakeCommandButton(const ControlDef& def, const WidgetSetting& setting) {
  auto* button = new QPushButton(ToQString(def.caption), setting.parent);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

// How each kind of control's widget is made, in the order of Kind.
constexpr std::array kMakers = {MakeLabel, MakeTextBox, MakeList, MakeCheckBox, MakeOptionButton, MakeCommandButton};
static_assert(kMakers.size() == kKindNames.size(), "one maker for every kind");

QRect Rect(const PixelRect& r) { return QRect(r.left, r.top, r.width, r.height); }

}  // namespace

QRect ResultLabel::Room() const {
  return contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
}

QString ResultLabel::Drawn() const { return fontMetrics().elidedText(text(), Qt::ElideRight, Room().width()); }

void ResultLabel::paintEvent(QPaintEvent* event) {
  const QString drawn = Drawn();
  if (drawn == text()) return QLabel::paintEvent(event);
  QPainter painter(this);
  drawFrame(&painter);
  style()->drawItemText(&painter, Room(), static_cast<int>(alignment()), palette(), isEnabled(), drawn,
                        foregroundRole());
}

void ResultLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  QLabel::mouseDoubleClickEvent(event);
  setSelection(0, static_cast<int>(text().size()));
}

QRect FigureEdit::Room() const {
  QStyleOptionFrame option;
  initStyleOption(&option);
  // QLineEdit keeps 2 pixels each side of its text.
  constexpr int kSide = 2;
  return style()
      ->subElementRect(QStyle::SE_LineEditContents, &option, this)
      .marginsRemoved(textMargins())
      .adjusted(kSide, 0, -kSide, 0);
}

QString FigureEdit::Drawn() const { return fontMetrics().elidedText(text(), Qt::ElideRight, Room().width()); }

void FigureEdit::ShowWhole() { setToolTip(Drawn() == text() ? QString() : text()); }

void FigureEdit::paintEvent(QPaintEvent* event) {
  const QString drawn = Drawn();
  if (hasFocus() || drawn == text()) return QLineEdit::paintEvent(event);
  QPainter painter(this);
  QStyleOptionFrame option;
  initStyleOption(&option);
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
  painter.drawText(Room(), static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter), drawn);
}

AdviceMark::AdviceMark(QWidget* control, QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(control->geometry().adjusted(-kWidth, -kWidth, kWidth, kWidth));
}

void AdviceMark::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(QColor(0xb3, 0x26, 0x1e), kWidth, Qt::DashLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawRect(QRectF(rect()).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0));
}

namespace {

// The unfolded strip's list, as a screen reader names it.
constexpr std::string_view kAdviceListName = "Öneriler";

// A list whose items are as high as their text needs, wrapped at a width.
class AdviceList : public QListWidget {
 public:
  using QListWidget::QListWidget;

  // Makes each item as high as its text wrapped at `width`, with a little
  // room above and below; returns their height together.
  int FitItems(int width) {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = QRect(0, 0, width, QWIDGETSIZE_MAX);
    const int room = fontMetrics().lineSpacing() / 4;
    int total = 0;
    for (int row = 0; row < count(); ++row) {
      QListWidgetItem* item = this->item(row);
      item->setSizeHint(QSize());
      const int height = itemDelegate()->sizeHint(option, indexFromItem(item)).height() + 2 * room;
      item->setSizeHint(QSize(width, height));
      total += height;
    }
    return total;
  }
};

bool FoldsTheStrip(const QKeyEvent* key) {
  return key->key() == Qt::Key_Escape || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
         key->key() == Qt::Key_Space;
}

}  // namespace

FoldingStrip::FoldingStrip(QWidget* window)
    : QLabel(window), popup_(new QFrame(this, Qt::Popup)), list_(new AdviceList(popup_)) {
  setFocusPolicy(Qt::NoFocus);
  // A window takes no font from its parent.
  popup_->setFont(window->font());
  popup_->setFrameStyle(QFrame::Box | QFrame::Plain);
  popup_->setLineWidth(1);
  auto* layout = new QVBoxLayout(popup_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(list_);
  list_->setObjectName(QStringLiteral("adviceList"));
  list_->setAccessibleName(ToQString(kAdviceListName));
  list_->setFrameShape(QFrame::NoFrame);
  list_->setWordWrap(true);
  list_->setTextElideMode(Qt::ElideNone);
  list_->setSelectionMode(QAbstractItemView::NoSelection);
  list_->setAlternatingRowColors(true);
  list_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  popup_->installEventFilter(this);
  list_->installEventFilter(this);
}

void FoldingStrip::Show(const QStringList& advice, const QString& shown, const QString& heard) {
  Fold();
  advice_ = advice;
  setText(shown);
  const QString all = advice.join(QLatin1Char('\n'));
  setToolTip(all);
  // A screen reader hears each change as the strip's new name; its
  // description holds every advice.
  setAccessibleName(heard);
  setAccessibleDescription(all);
  setFocusPolicy(advice.isEmpty() ? Qt::NoFocus : Qt::TabFocus);
  if (advice.isEmpty())
    unsetCursor();
  else
    setCursor(Qt::PointingHandCursor);
}

bool FoldingStrip::Unfolded() const { return popup_->isVisible(); }

void FoldingStrip::Unfold() {
  if (advice_.isEmpty() || Unfolded()) return;
  // The items are kept and their texts changed: a screen reader's view of
  // an item stays that item.
  while (list_->count() > advice_.size()) delete list_->takeItem(list_->count() - 1);
  for (int row = 0; row < advice_.size(); ++row)
    if (row < list_->count())
      list_->item(row)->setText(advice_[row]);
    else
      list_->addItem(advice_[row]);
  Place(popup_);
  list_->setCurrentItem(nullptr);
  // The popup gives the focus to its focus widget as it opens.
  list_->setFocus(Qt::PopupFocusReason);
  popup_->show();
  // The first advice is current, not selected: a screen reader reads it as
  // the focus, and the arrows walk on from it.
  list_->setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

void FoldingStrip::Fold() {
  if (Unfolded()) popup_->hide();
}

void FoldingStrip::Place(QWidget* popup) {
  const QRect screen = this->screen()->availableGeometry();
  const QRect strip(mapToGlobal(QPoint()), size());
  const int frame = 2 * popup_->frameWidth();
  int height = static_cast<AdviceList*>(list_)->FitItems(width() - frame) + frame;
  const int below = screen.bottom() - strip.bottom();
  const int above = strip.top() - screen.top();
  if (height > std::max(below, above)) {
    // Scrolled: the scroll bar takes its width.
    const int bar = list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list_);
    height = std::min(static_cast<AdviceList*>(list_)->FitItems(width() - frame - bar) + frame, std::max(below, above));
  }
  const int top = height <= below || below >= above ? strip.bottom() + 1 : strip.top() - height;
  const int left = std::clamp(strip.left(), screen.left(), std::max(screen.left(), screen.right() + 1 - width()));
  popup->setGeometry(left, top, width(), height);
}

void FoldingStrip::Announce() {
  QAccessible::State changed;
  changed.expanded = true;
  changed.collapsed = true;
  QAccessibleStateChangeEvent event(this, changed);
  QAccessible::updateAccessibility(&event);
  update();
}

void FoldingStrip::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
  if (Unfolded())
    Fold();
  else
    Unfold();
}

void FoldingStrip::keyPressEvent(QKeyEvent* event) {
  const bool unfolds = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
  if (!unfolds || (event->modifiers() & ~Qt::KeypadModifier)) return QLabel::keyPressEvent(event);
  // Unfolded, the list takes the keys; one that reaches the strip has come
  // again from a screen reader.
  Unfold();
}

void FoldingStrip::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  option.rect = contentsRect();
  option.backgroundColor = palette().color(backgroundRole());
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

bool FoldingStrip::eventFilter(QObject* watched, QEvent* event) {
  if (watched == popup_) {
    // A press on the strip folds it and must not unfold it again.
    if (event->type() == QEvent::MouseButtonPress) {
      const QPoint at = mapFromGlobal(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
      popup_->setAttribute(Qt::WA_NoMouseReplay, rect().contains(at));
    }
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) Announce();
    // Qt gives the focus back to the active window's focus widget; with no
    // active window, the folded list would keep it.
    if (event->type() == QEvent::Hide && list_->hasFocus()) list_->clearFocus();
    return false;
  }
  if (watched == list_ && event->type() == QEvent::KeyPress) {
    // A key that reaches the list once folded has come again from a screen
    // reader.
    if (!popup_->isVisible()) return true;
    if (!FoldsTheStrip(static_cast<QKeyEvent*>(event))) return false;
    Fold();
    return true;
  }
  // The window lost the focus.
  if (watched == list_ && event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason)
    Fold();
  return false;
}

namespace {

// As the strip: a pixel of frame and a pixel of room above and below.
constexpr int kSheetRoom = 2;

QFont Heading(QFont font) {
  font.setBold(true);
  return font;
}

// The height of `count` lines of text in `font` as a label lays them out.
int LinesHeight(const QFont& font, int count) {
  const QStringList lines(count, QStringLiteral("X"));
  return QFontMetrics(font).boundingRect(QRect(), Qt::AlignLeft | Qt::AlignTop, lines.join(QLatin1Char('\n'))).height();
}

}  // namespace

SheetSection::SheetSection(const QString& title, QWidget* window, const QRect& place, int indent, QAction* copyAll)
    : QWidget(window), title_(new QLabel(title, this)), lines_(new QLabel(this)), copyAll_(copyAll) {
  setObjectName(QStringLiteral("sheet"));
  setGeometry(place);
  const int titleHeight = LinesHeight(Heading(font()), 1);
  title_->setObjectName(QStringLiteral("sheetTitle"));
  title_->setFont(Heading(font()));
  title_->setTextFormat(Qt::PlainText);
  title_->setContentsMargins(indent, 0, indent, 0);
  title_->setGeometry(0, kSheetRoom, place.width(), titleHeight);
  lines_->setObjectName(QStringLiteral("sheetLines"));
  lines_->setTextFormat(Qt::PlainText);
  lines_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lines_->setWordWrap(true);
  lines_->setContentsMargins(indent, 0, indent, 0);
  lines_->setGeometry(0, kSheetRoom + titleHeight, place.width(), place.height() - 2 * kSheetRoom - titleHeight);
  // Selected with the mouse, or with the keyboard once clicked: a click
  // gives it the focus, Tab does not.
  lines_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  lines_->setFocusPolicy(Qt::ClickFocus);
  lines_->setAccessibleDescription(title);
  // The title's menu is the section's.
  for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(lines_)}) {
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(w, &QWidget::customContextMenuRequested, this,
                     [this, w](const QPoint& at) { ShowMenu(w->mapToGlobal(at)); });
  }
}

int SheetSection::HeightFor(const QFont& font, int lines) {
  return LinesHeight(Heading(font), 1) + LinesHeight(font, lines) + 2 * kSheetRoom;
}

bool SheetSection::Show(const QStringList& lines) {
  const QString text = lines.join(QLatin1Char('\n'));
  if (lines_->text() == text) return false;
  lines_->setText(text);
  lines_->setAccessibleName(text);
  return true;
}

void SheetSection::ShowMenu(const QPoint& at) {
  QMenu menu(this);
  QAction* copy = menu.addAction(QStringLiteral("Kopyala"), [this] {
    // A selection across lines holds paragraph separators.
    QString selected = lines_->selectedText();
    selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n')).replace(QChar::LineSeparator, QLatin1Char('\n'));
    QGuiApplication::clipboard()->setText(selected);
  });
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutVisibleInContextMenu(true);
  copy->setEnabled(lines_->hasSelectedText());
  QAction* all = menu.addAction(QStringLiteral("Tümünü Seç"), [this] {
    lines_->setSelection(0, static_cast<int>(lines_->text().size()));
    lines_->setFocus(Qt::OtherFocusReason);
  });
  all->setEnabled(!lines_->text().isEmpty());
  menu.addSeparator();
  menu.addAction(copyAll_);
  menu.exec(at);
}

QWidget* MakeWidget(const ControlDef& def, const WidgetSetting& setting) {
  QWidget* w = kMakers[static_cast<std::size_t>(def.kind)](def, setting);
  w->setObjectName(ToQString(ElementId(def.id)));
  if (!def.toolTip.empty()) w->setToolTip(ToQString(def.toolTip));
  w->setGeometry(Rect(Place(def, setting.dpiX, setting.dpiY)));
  if (const QString name = ToQString(AccessibleName(def.id)); !name.isEmpty()) {
    w->setAccessibleName(name);
    if (auto* combo = qobject_cast<QComboBox*>(w)) combo->lineEdit()->setAccessibleName(name);
  }
  return w;
}

void ShowResult(Control id, ResultLabel* label, const QString& result) {
  label->setText(result);
  label->setAccessibleName(ToQString(AccessibleName(id, result.toStdString())));
  label->setToolTip(label->Drawn() == result ? QString() : result);
}

void SyncList(QComboBox* combo, const std::vector<std::string>& items, const std::string& text) {
  bool same = combo->count() == static_cast<int>(items.size());
  for (int i = 0; same && i < combo->count(); ++i)
    same = combo->itemText(i) == ToQString(items[static_cast<std::size_t>(i)]);
  if (!same) {
    combo->clear();
    for (const std::string& item : items) combo->addItem(ToQString(item));
  }
  const QString wanted = ToQString(text);
  if (combo->currentText() == wanted) return;
  // Keep the current item in line with the text, so that the arrow keys
  // move on from the shown value.
  combo->setCurrentIndex(combo->findText(wanted, Qt::MatchExactly | Qt::MatchCaseSensitive));
  combo->setEditText(wanted);
}

QString Drawn(const QWidget* box) {
  if (auto* combo = qobject_cast<const QComboBox*>(box)) box = combo->lineEdit();
  if (auto* label = dynamic_cast<const ResultLabel*>(box)) return label->Drawn();
  if (auto* edit = dynamic_cast<const FigureEdit*>(box)) return edit->Drawn();
  return {};
}

}  // namespace kasnak
