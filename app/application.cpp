// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

#include "app/text.h"
#include "app/window.h"

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

}  // namespace kasnak
