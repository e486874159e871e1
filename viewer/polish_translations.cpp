#include "viewer/polish_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velmora::platform::qt {

bool InstallPolishTranslations(QCoreApplication& application) {
  // The program is Polish whatever the desktop's language: so are Qt's
  // dialogs, and the numbers and paper sizes they show.
  const QLocale polish(QLocale::Polish, QLocale::Poland);
  QLocale::setDefault(polish);
  const QString directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  bool loaded = false;
  for (const char* module : {"qtbase", "qtwebengine", "qtmultimedia"}) {
    auto* translator = new QTranslator(&application);
    if (translator->load(polish, QLatin1String(module), QStringLiteral("_"), directory)) {
      QCoreApplication::installTranslator(translator);
      loaded = true;
    } else {
      delete translator;
    }
  }
  return loaded;
}

}  // namespace velmora::platform::qt
