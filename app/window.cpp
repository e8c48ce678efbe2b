// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpacerItem>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>
#include <limits>
#include <string_view>

#include "advice/advice.h"
#include "app/icons/kasnak_32.h"
#include "app/text.h"
#include "model/faults.h"

namespace kasnak {

namespace {

QRect Rect(const PixelRect& r) { return QRect(r.left, r.top, r.width, r.height); }

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

// The accessible face of a list.  Qt on Linux names a list by its current
// item and leaves its label to a relation; this face names it by its
// accessible name and gives the item as its value.
class ListFace : public QAccessibleWidget {
 public:
  explicit ListFace(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return combo()->currentText();
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = combo()->view()->isVisible();
    state.editable = combo()->isEditable();
    return state;
  }
  QStringList actionNames() const override { return QStringList{showMenuAction()} + QAccessibleWidget::actionNames(); }
  void doAction(const QString& action) override {
    if (action != showMenuAction()) return QAccessibleWidget::doAction(action);
    if (combo()->view()->isVisible())
      combo()->hidePopup();
    else
      combo()->showPopup();
  }

 private:
  QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
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

// A check box or profile button that a press anywhere in its box toggles or
// selects, not only a press on its mark or caption.
template <typename Button>
class WholeBox : public Button {
 public:
  using Button::Button;

 protected:
  bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

// A text field holds as many characters as the model: QLineEdit would keep
// 32767 and cut a longer paste.  The control table's limits are the
// validator's.
void HoldAnyLength(QLineEdit* edit) { edit->setMaxLength(std::numeric_limits<int>::max()); }

// A result's box: its text can be selected with the mouse and copied, a
// double click selecting the whole figure, and a result wider than the box
// draws its start and an ellipsis, never a cut figure.  text() stays the
// whole result.
class ResultLabel : public QLabel {
 public:
  using QLabel::QLabel;

  QRect Room() const { return contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin())); }
  QString Drawn() const { return fontMetrics().elidedText(text(), Qt::ElideRight, Room().width()); }

 protected:
  void paintEvent(QPaintEvent* event) override {
    const QString drawn = Drawn();
    if (drawn == text()) return QLabel::paintEvent(event);
    QPainter painter(this);
    drawFrame(&painter);
    style()->drawItemText(&painter, Room(), static_cast<int>(alignment()), palette(), isEnabled(), drawn,
                          foregroundRole());
  }
  // A word of "16.31" would be "16" alone.
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    QLabel::mouseDoubleClickEvent(event);
    setSelection(0, static_cast<int>(text().size()));
  }
};

// A text box or a list's text field that, while it has no focus, draws a
// text wider than itself as its start and an ellipsis; with the focus, the
// user edits the whole text as in any text box.
class FigureEdit : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

  QRect Room() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    // QLineEdit keeps 2 pixels each side of its text.
    constexpr int kSide = 2;
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, this)
        .marginsRemoved(textMargins())
        .adjusted(kSide, 0, -kSide, 0);
  }
  QString Drawn() const { return fontMetrics().elidedText(text(), Qt::ElideRight, Room().width()); }
  // The whole text in the tool tip while the box cuts it.
  void ShowWhole() { setToolTip(Drawn() == text() ? QString() : text()); }

 protected:
  void paintEvent(QPaintEvent* event) override {
    const QString drawn = Drawn();
    if (hasFocus() || drawn == text()) return QLineEdit::paintEvent(event);
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.drawText(Room(), static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter), drawn);
  }
};

QLabel* MakeLabel(const ControlDef& def, QWidget* parent) {
  auto* label =
      def.output ? new ResultLabel(ToQString(def.caption), parent) : new QLabel(ToQString(def.caption), parent);
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

QComboBox* MakeList(QWidget* parent) {
  auto* combo = new QComboBox(parent);
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

// Shows a result label's result, read in full by a screen reader with the
// label's name (the change of name is announced), and in the tool tip when
// the box cuts it.
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

// A fault's warning, with its one button.  Qt sizes a message box to its
// message and its own guess at the title; a window manager's title bar, with
// an icon and buttons beside the title, then cuts the short title to "…" or
// to nothing.  A spacer across the box's grid keeps it at least
// two and a half inches wide, at any dpi.
void ShowFault(FaultKind fault, QWidget* parent) {
  // Two and a half inches: room for the title bar, whose font is the
  // desktop's, to show the title beside its icon and buttons.
  constexpr int kFaultBoxHalfInches = 5;
  QMessageBox box(QMessageBox::Warning, ToQString(kProgramName), QString::fromUtf8(FaultMessage(fault)),
                  QMessageBox::Ok, parent);
  box.button(QMessageBox::Ok)->setText(ToQString(kOkCaption));
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
    grid->addItem(new QSpacerItem(kFaultBoxHalfInches * box.logicalDpiX() / 2, 0, QSizePolicy::Fixed), grid->rowCount(),
                  0, 1, grid->columnCount());
  box.exec();
}

// The mark of a control an advice is about: a dashed frame two pixels wide
// around its box, drawn over the form and letting every click through.  A
// shape, not a colour alone, tells it; the control's own text and look stay.
class AdviceMark : public QWidget {
 public:
  static constexpr int kWidth = 2;
  AdviceMark(QWidget* control, QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(control->geometry().adjusted(-kWidth, -kWidth, kWidth, kWidth));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(QPen(QColor(0xb3, 0x26, 0x1e), kWidth, Qt::DashLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(rect()).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0));
  }
};

// The strip's height: one line of the window's font, with a pixel of frame
// and a pixel of room above and below it.
int StripHeight(const QFont& font) { return QFontMetrics(font).height() + 4; }

}  // namespace

QString Drawn(const QWidget* box) {
  if (auto* combo = qobject_cast<const QComboBox*>(box)) box = combo->lineEdit();
  if (auto* label = dynamic_cast<const ResultLabel*>(box)) return label->Drawn();
  if (auto* edit = dynamic_cast<const FigureEdit*>(box)) return edit->Drawn();
  return {};
}

QFont WindowFont() {
  // A narrow sans serif built into the program (app/fonts), so the same on
  // every machine: at 7.5 points (10 pixels at 96 dpi, 15 at 144) every
  // caption of the window fits its box with 2 pixels to spare at 96 dpi and
  // 7 at 144, and the usual results fit theirs.
  [[maybe_unused]] static const int registered =
      QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/RobotoCondensed-Regular.ttf"));
  QFont font(QStringLiteral("Roboto Condensed"));
  font.setPointSizeF(kFontPointSize);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

Window::Window(std::unique_ptr<Panel> panel, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      panel_(std::move(panel)) {
  setObjectName(ToQString(kPanelName));
  setWindowTitle(ToQString(kWindowTitle));
  const QImage icon(reinterpret_cast<const uchar*>(kIcon32.data()), 32, 32, QImage::Format_ARGB32);
  setWindowIcon(QIcon(QPixmap::fromImage(icon)));
  setFont(WindowFont());
  // The form, and the advice strip below it.
  setFixedSize(TwipsToPixels(kClientWidthTwips, logicalDpiX()),
               TwipsToPixels(kClientHeightTwips, logicalDpiY()) + StripHeight(font()));
  // Centred by its client area, as the frame that the desktop adds is not
  // known before the window shows.
  if (const QScreen* screen = this->screen()) {
    QRect client(QPoint(), size());
    client.moveCenter(screen->availableGeometry().center());
    setGeometry(client);
  }

  [[maybe_unused]] static const bool facesInstalled = (QAccessible::installFactory(Face), true);
  Build();
  Sync();

  const auto order = TabOrder();
  for (std::size_t i = 0; i + 1 < order.size(); ++i) setTabOrder(widget(order[i]), widget(order[i + 1]));
  widget(kFirstFocus)->setFocus();
}

Window::~Window() = default;

void Window::Build() {
  profiles_ = new QButtonGroup(this);
  profiles_->setExclusive(true);
  const int dpiX = logicalDpiX();
  const int dpiY = logicalDpiY();

  for (const ControlDef& def : kControls) {
    QWidget* w = nullptr;
    switch (def.kind) {
      case Kind::Label:
        w = MakeLabel(def, this);
        break;
      case Kind::TextBox: {
        auto* edit = new FigureEdit(this);
        HoldAnyLength(edit);
        if (def.maxLength > 0) edit->setValidator(new CharacterLimit(*panel_, def.id, edit));
        w = edit;
        break;
      }
      case Kind::ComboBox:
        w = MakeList(this);
        break;
      case Kind::CheckBox:
        w = new WholeBox<QCheckBox>(ToQString(def.caption), this);
        break;
      case Kind::OptionButton: {
        auto* button = new WholeBox<QRadioButton>(ToQString(def.caption), this);
        profiles_->addButton(button, def.index);
        w = button;
        break;
      }
      case Kind::CommandButton: {
        auto* button = new QPushButton(ToQString(def.caption), this);
        button->setAutoDefault(false);
        button->setDefault(false);
        w = button;
        break;
      }
    }
    w->setObjectName(ToQString(ElementId(def.id)));
    if (!def.toolTip.empty()) w->setToolTip(ToQString(def.toolTip));
    w->setGeometry(Rect(Place(def, dpiX, dpiY)));
    if (const QString name = ToQString(AccessibleName(def.id)); !name.isEmpty()) {
      w->setAccessibleName(name);
      if (auto* combo = qobject_cast<QComboBox*>(w)) combo->lineEdit()->setAccessibleName(name);
    }
    widgets_[IndexOf(def.id)] = w;
    Connect(def.id);
  }
  strip_ = new QLabel(this);
  strip_->setObjectName(QStringLiteral("advice"));
  strip_->setTextFormat(Qt::PlainText);
  strip_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  strip_->setLineWidth(1);
  strip_->setIndent(TwipsToPixels(control_rows::kRows[0].left, dpiX));
  strip_->setGeometry(0, TwipsToPixels(kClientHeightTwips, dpiY), TwipsToPixels(kClientWidthTwips, dpiX),
                      StripHeight(font()));
  strip_->setProperty("adviceCodes", QString());
  // A click on the button that is already selected runs its procedure again,
  // as a click on any other button does.
  connect(profiles_, &QButtonGroup::idClicked, this,
          [this](int index) { Act([&] { return panel_->UserClick(ProfileButton(index)); }); });
}

void Window::Connect(Control id) {
  QWidget* w = widget(id);
  switch (Def(id).kind) {
    case Kind::Label:
    case Kind::OptionButton:  // through the button group
      break;
    case Kind::TextBox:
      connect(static_cast<QLineEdit*>(w), &QLineEdit::textEdited, this,
              [this, id](const QString& text) { Act([&] { return panel_->UserEdit(id, text.toStdString()); }); });
      break;
    case Kind::ComboBox: {
      auto* combo = static_cast<QComboBox*>(w);
      connect(combo, &QComboBox::activated, this, [this, id](int item) {
        if (item >= 0) Act([&] { return panel_->UserPick(id, static_cast<std::size_t>(item)); });
      });
      connect(combo->lineEdit(), &QLineEdit::textEdited, this,
              [this, id](const QString& text) { Act([&] { return panel_->UserEdit(id, text.toStdString()); }); });
      break;
    }
    case Kind::CheckBox:
    case Kind::CommandButton:
      connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this,
              [this, id] { Act([&] { return panel_->UserClick(id); }); });
      break;
  }
}

template <typename Action>
void Window::Act(Action action) {
  const Panel::Outcome fault = action();
  Sync();
  if (panel_->Ended()) {
    close();
    QCoreApplication::quit();
    return;
  }
  if (fault) ShowFault(*fault, this);
}

void Window::Sync() {
  for (const ControlDef& def : kControls) {
    QWidget* w = widget(def.id);
    const QSignalBlocker block(w);
    switch (def.kind) {
      case Kind::Label: {
        auto* label = static_cast<QLabel*>(w);
        const QString caption = ToQString(panel_->Caption(def.id));
        if (label->text() == caption) break;
        if (def.output)
          ShowResult(def.id, static_cast<ResultLabel*>(label), caption);
        else
          label->setText(caption);
        break;
      }
      case Kind::TextBox: {
        auto* edit = static_cast<FigureEdit*>(w);
        const QString text = ToQString(panel_->Text(def.id));
        if (edit->text() != text) edit->setText(text);
        edit->ShowWhole();
        break;
      }
      case Kind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(w);
        SyncList(combo, panel_->Items(def.id), panel_->Text(def.id));
        static_cast<FigureEdit*>(combo->lineEdit())->ShowWhole();
        break;
      }
      case Kind::CheckBox:
        static_cast<QCheckBox*>(w)->setChecked(panel_->Value(def.id));
        break;
      case Kind::OptionButton:
      case Kind::CommandButton:
        break;
    }
  }
  // An exclusive group keeps its checked button; open it to show a state
  // with no profile selected.
  const QSignalBlocker blockGroup(profiles_);
  profiles_->setExclusive(false);
  for (const Profile& profile : kProfiles) {
    QAbstractButton* button = profiles_->button(static_cast<int>(profile.id));
    const QSignalBlocker block(button);
    button->setChecked(panel_->ProfileSelected(profile.id));
  }
  profiles_->setExclusive(true);
  ShowAdvice();
}

void Window::ShowAdvice() {
  const std::vector<Advice> advice = AdviceFor(*panel_);
  const QString codes = ToQString(AdviceCodes(advice));
  // Each control's advice, one a line, and all of them.
  std::array<QStringList, kControlCount> about;
  QStringList texts;
  for (const Advice& a : advice) {
    about[IndexOf(a.control)] << ToQString(a.text);
    texts << ToQString(a.text);
  }
  const QString all = texts.join(QLatin1Char('\n'));
  if (strip_->property("adviceCodes").toString() == codes && strip_->toolTip() == all) return;
  strip_->setProperty("adviceCodes", codes);

  // The strip: the first advice, cut to fit, and how many more follow.
  QString shown;
  QString heard;
  if (!advice.empty()) {
    const QString more = advice.size() > 1 ? QStringLiteral("  +%1").arg(advice.size() - 1) : QString();
    const QFontMetrics metrics(strip_->font());
    const int room = strip_->contentsRect().width() - strip_->indent() - metrics.horizontalAdvance(more);
    shown = metrics.elidedText(texts.front(), Qt::ElideRight, room) + more;
    heard = texts.front() + more;
  }
  strip_->setText(shown);
  strip_->setToolTip(all);
  // A screen reader hears each change as the strip's new name; its
  // description holds every advice.
  strip_->setAccessibleName(heard);
  strip_->setAccessibleDescription(all);

  for (const ControlDef& def : kControls) {
    const QString description = about[IndexOf(def.id)].join(QLatin1Char('\n'));
    QWidget* w = widget(def.id);
    QWidget*& mark = marks_[IndexOf(def.id)];
    if (!mark && description.isEmpty()) continue;
    if (!mark) mark = new AdviceMark(w, this);
    mark->setVisible(!description.isEmpty());
    mark->raise();
    if (w->accessibleDescription() != description) {
      w->setAccessibleDescription(description);
      if (auto* combo = qobject_cast<QComboBox*>(w)) combo->lineEdit()->setAccessibleDescription(description);
    }
  }
}

}  // namespace kasnak
