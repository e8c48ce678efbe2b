// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

#include "app/text.h"
#include "model/controls.h"

namespace kasnak {

void SetUpApplication(QApplication& app) {
  QApplication::setApplicationName(ToQString(kProgramName));
  // The desktop entry the program is installed with (KASNAK_APP_ID.desktop).
  QGuiApplication::setDesktopFileName(QStringLiteral(KASNAK_APP_ID));
  QApplication::setFont(WindowFont());
  // The captions are Turkish whatever the user's locale, so Qt's own texts
  // are too.
  auto* qtTexts = new QTranslator(&app);
  if (qtTexts->load(QStringLiteral("qtbase_tr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qtTexts);
  else
    delete qtTexts;
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

}  // namespace kasnak
