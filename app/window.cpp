#include "app/window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <string_view>

namespace kasnak {

namespace {

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QRect Place(const ControlSpec& spec, int dpiX, int dpiY) {
  return QRect(TwipsToPixels(spec.left, dpiX), TwipsToPixels(spec.top, dpiY), TwipsToPixels(spec.width, dpiX),
               TwipsToPixels(spec.height, dpiY));
}

QLabel* MakeLabel(const ControlSpec& spec, QWidget* parent) {
  auto* label = new QLabel(ToQString(spec.caption), parent);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  if (spec.border) {
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setMargin(1);
  }
  if (spec.background == Background::TitleBarText) {
    // The output labels' background, the colour of active title-bar text,
    // has no palette role in Qt; white stands in for it.
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
  }
  return label;
}

QComboBox* MakeList(QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  // Inline completion would change the text behind the user's back.
  combo->setCompleter(nullptr);
  // A typed text that matches an item must not count as choosing it: the
  // list's click procedure runs only when the user picks from the list.
  QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
  return combo;
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

}  // namespace

QFont WindowFont() {
  // A narrow sans serif (URW's Nimbus Sans Narrow): at 8 points every caption
  // of the window fits its box at 96 dpi with a few pixels to spare.
  QFont font(QStringLiteral("Nimbus Sans Narrow"));
  font.setPointSize(8);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

int TwipsToPixels(int twips, int dpi) { return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch; }

QString WidgetName(Ctl id) {
  const ControlSpec& spec = Spec(id);
  QString name = ToQString(spec.name);
  if (spec.index >= 0) name += QStringLiteral("_%1").arg(spec.index);
  return name;
}

Window::Window(std::unique_ptr<Form1> form, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      form_(std::move(form)) {
  setObjectName(ToQString(kFormName));
  setWindowTitle(ToQString(kFormTitle));
  setWindowIcon(QIcon(QStringLiteral(":/icons/kasnak-32.png")));
  setFont(WindowFont());
  setFixedSize(TwipsToPixels(kClientWidthTwips, logicalDpiX()), TwipsToPixels(kClientHeightTwips, logicalDpiY()));
  if (const QScreen* screen = this->screen())
    move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));

  Build();
  Sync();

  const auto order = TabOrder();
  for (std::size_t i = 0; i + 1 < order.size(); ++i) setTabOrder(widget(order[i]), widget(order[i + 1]));
  widget(Ctl::Text2)->setFocus();
}

Window::~Window() = default;

void Window::Build() {
  profiles_ = new QButtonGroup(this);
  profiles_->setExclusive(true);
  const int dpiX = logicalDpiX();
  const int dpiY = logicalDpiY();

  for (const ControlSpec& spec : kControls) {
    QWidget* w = nullptr;
    switch (spec.kind) {
      case Kind::Label:
        w = MakeLabel(spec, this);
        break;
      case Kind::TextBox: {
        auto* edit = new QLineEdit(this);
        if (spec.maxLength > 0) edit->setMaxLength(spec.maxLength);
        w = edit;
        break;
      }
      case Kind::ComboBox:
        w = MakeList(this);
        break;
      case Kind::CheckBox:
        w = new QCheckBox(ToQString(spec.caption), this);
        break;
      case Kind::OptionButton: {
        auto* button = new QRadioButton(ToQString(spec.caption), this);
        profiles_->addButton(button, spec.index);
        w = button;
        break;
      }
      case Kind::CommandButton: {
        auto* button = new QPushButton(ToQString(spec.caption), this);
        button->setAutoDefault(false);
        button->setDefault(false);
        w = button;
        break;
      }
    }
    w->setObjectName(WidgetName(spec.id));
    if (!spec.toolTip.empty()) w->setToolTip(ToQString(spec.toolTip));
    w->setGeometry(Place(spec, dpiX, dpiY));
    widgets_[IndexOf(spec.id)] = w;
    Connect(spec.id);
  }
  // A click on the button that is already selected runs its procedure again,
  // as a click on any other button does.
  connect(profiles_, &QButtonGroup::idClicked, this,
          [this](int index) { Act([&] { return form_->UserClick(OptionButton(index)); }); });
}

void Window::Connect(Ctl id) {
  QWidget* w = widget(id);
  switch (Spec(id).kind) {
    case Kind::Label:
    case Kind::OptionButton:  // through the button group
      break;
    case Kind::TextBox:
      connect(static_cast<QLineEdit*>(w), &QLineEdit::textEdited, this,
              [this, id](const QString& text) { Act([&] { return form_->UserEdit(id, text.toStdString()); }); });
      break;
    case Kind::ComboBox: {
      auto* combo = static_cast<QComboBox*>(w);
      connect(combo, &QComboBox::activated, this, [this, id](int item) {
        if (item >= 0) Act([&] { return form_->UserPick(id, static_cast<std::size_t>(item)); });
      });
      connect(combo->lineEdit(), &QLineEdit::textEdited, this,
              [this, id](const QString& text) { Act([&] { return form_->UserEdit(id, text.toStdString()); }); });
      break;
    }
    case Kind::CheckBox:
    case Kind::CommandButton:
      connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this,
              [this, id] { Act([&] { return form_->UserClick(id); }); });
      break;
  }
}

template <typename Action>
void Window::Act(Action action) {
  const Form1::Outcome fault = action();
  Sync();
  if (form_->Ended()) {
    close();
    QCoreApplication::quit();
    return;
  }
  if (fault) {
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kProgramName), QString::fromUtf8(FaultMessage(*fault)),
                    QMessageBox::Ok, this);
    box.exec();
  }
}

void Window::Sync() {
  for (const ControlSpec& spec : kControls) {
    QWidget* w = widget(spec.id);
    const QSignalBlocker block(w);
    switch (spec.kind) {
      case Kind::Label: {
        auto* label = static_cast<QLabel*>(w);
        const QString caption = ToQString(form_->Caption(spec.id));
        if (label->text() != caption) label->setText(caption);
        break;
      }
      case Kind::TextBox: {
        auto* edit = static_cast<QLineEdit*>(w);
        const QString text = ToQString(form_->Text(spec.id));
        if (edit->text() != text) edit->setText(text);
        break;
      }
      case Kind::ComboBox:
        SyncList(static_cast<QComboBox*>(w), form_->Items(spec.id), form_->Text(spec.id));
        break;
      case Kind::CheckBox:
        static_cast<QCheckBox*>(w)->setChecked(form_->Value(spec.id));
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
  for (int index = 0; index < 4; ++index) {
    QAbstractButton* button = profiles_->button(index);
    const QSignalBlocker block(button);
    button->setChecked(form_->Option1(index));
  }
  profiles_->setExclusive(true);
}

}  // namespace kasnak
