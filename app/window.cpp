// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpacerItem>

#include "advice/advice.h"
#include "app/accessibility.h"
#include "app/application.h"
#include "app/icons/kasnak_32.h"
#include "app/text.h"
#include "app/widgets.h"
#include "fitting/report.h"
#include "fitting/sheet.h"
#include "model/faults.h"

namespace kasnak {

namespace {

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

// The menu item that copies the whole drive as text, as Ctrl+Shift+C does.
constexpr std::string_view kCopyDriveCaption = "Hesabın tamamını kopyala";

// The advice strip below the form, indented as the form's first column.
FoldingStrip* MakeAdviceStrip(QWidget* window) {
  auto* strip = new FoldingStrip(window);
  strip->setObjectName(QStringLiteral("advice"));
  strip->setTextFormat(Qt::PlainText);
  strip->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  strip->setLineWidth(1);
  strip->setIndent(TextIndent(window->logicalDpiX()));
  const PixelRect place = StripPlace(window->logicalDpiX(), window->logicalDpiY(), Window::StripHeight(window->font()));
  strip->setGeometry(place.left, place.top, place.width, place.height);
  strip->setProperty("adviceCodes", QString());
  return strip;
}

}  // namespace

Window::Window(std::unique_ptr<Panel> panel, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      panel_(std::move(panel)) {
  setObjectName(ToQString(kPanelName));
  setWindowTitle(ToQString(kWindowTitle));
  const QImage icon(reinterpret_cast<const uchar*>(kIcon32.data()), 32, 32, QImage::Format_ARGB32);
  setWindowIcon(QIcon(QPixmap::fromImage(icon)));
  setFont(WindowFont());
  setFixedSize(SizeAt(font(), logicalDpiX(), logicalDpiY()));
  // Centred by its client area, as the frame that the desktop adds is not
  // known before the window shows.
  if (const QScreen* screen = this->screen()) {
    QRect client(QPoint(), size());
    client.moveCenter(screen->availableGeometry().center());
    setGeometry(client);
  }

  InstallAccessibleFaces();
  Build();
  Sync();

  const auto order = TabOrder();
  for (std::size_t i = 0; i + 1 < order.size(); ++i) setTabOrder(Widget(order[i]), Widget(order[i + 1]));
  // The strip, no control of the form, comes last.
  setTabOrder(Widget(order.back()), strip_);
  Widget(kFirstFocus)->setFocus();
}

Window::~Window() = default;

int Window::SheetHeight(const QFont& font) { return SheetSection::HeightFor(font, static_cast<int>(kSheetLines)); }

void Window::Build() {
  profiles_ = new QButtonGroup(this);
  profiles_->setExclusive(true);
  const WidgetSetting setting{*panel_, profiles_, this, logicalDpiX(), logicalDpiY()};
  for (const ControlDef& def : kControls) {
    widgets_[IndexOf(def.id)] = MakeWidget(def, setting);
    Connect(def.id);
  }
  copyDrive_ = new QAction(ToQString(kCopyDriveCaption), this);
  copyDrive_->setObjectName(QStringLiteral("copyDrive"));
  copyDrive_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copyDrive_->setShortcutContext(Qt::WindowShortcut);
  copyDrive_->setShortcutVisibleInContextMenu(true);
  addAction(copyDrive_);
  connect(copyDrive_, &QAction::triggered, this,
          [this] { QGuiApplication::clipboard()->setText(ToQString(DriveReport(*panel_))); });

  strip_ = MakeAdviceStrip(this);
  strip_->setContextMenuPolicy(Qt::ActionsContextMenu);
  strip_->addAction(copyDrive_);
  // The section below the strip, its text in line with the strip's.
  const PixelRect section = SectionPlace(logicalDpiX(), logicalDpiY(), StripHeight(font()), SheetHeight(font()));
  const QRect place(section.left, section.top, section.width, section.height);
  sheet_ = new SheetSection(ToQString(kSheetTitle), this, place, strip_->frameWidth() + strip_->indent(), copyDrive_);
  sheet_->setProperty("sheetFigures", QString());
  // A click on the button that is already selected runs its procedure again,
  // as a click on any other button does.
  connect(profiles_, &QButtonGroup::idClicked, this,
          [this](int index) { Act([&] { return panel_->UserClick(ProfileButton(index)); }); });
}

void Window::Connect(Control id) {
  QWidget* w = Widget(id);
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
    QWidget* w = Widget(def.id);
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
  // The advice and the section share the panel as "Hesapla" would leave it.
  const CalculatedCopy calculated(*panel_);
  ShowAdvice(calculated);
  ShowSheet(calculated);
}

void Window::ShowAdvice(const CalculatedCopy& calculated) {
  const std::vector<Advice> advice = AdviceFor(*panel_, calculated);
  const QString codes = ToQString(AdviceCodes(advice));
  const QString all = ToQString(AdviceLines(advice));
  if (strip_->property("adviceCodes").toString() == codes && strip_->toolTip() == all) return;
  strip_->setProperty("adviceCodes", codes);

  // The strip: the first advice, cut to fit, and how many more follow.
  const Strip strip = StripOf(advice);
  QString shown;
  const QString heard = ToQString(StripLine(strip.first, strip));
  if (!advice.empty()) {
    const QFontMetrics metrics(strip_->font());
    const QString more = heard.mid(ToQString(strip.first).size());
    const int room = strip_->contentsRect().width() - strip_->indent() - metrics.horizontalAdvance(more);
    shown = ToQString(StripLine(metrics.elidedText(ToQString(strip.first), Qt::ElideRight, room).toStdString(), strip));
  }
  strip_->Show(all.isEmpty() ? QStringList() : all.split(QLatin1Char('\n')), shown, heard);

  const std::vector<std::string> about = AdviceAbout(advice);
  for (const ControlDef& def : kControls) {
    const QString description = ToQString(about[IndexOf(def.id)]);
    QWidget* w = Widget(def.id);
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

void Window::ShowSheet(const CalculatedCopy& calculated) {
  const Sheet sheet = SheetFor(*panel_, calculated);
  const QString figures = ToQString(sheet.figures);
  if (sheet_->property("sheetFigures").toString() != figures) sheet_->setProperty("sheetFigures", figures);
  QStringList lines;
  for (const std::string& line : sheet.lines) lines << ToQString(line);
  sheet_->Show(lines);
}

}  // namespace kasnak
