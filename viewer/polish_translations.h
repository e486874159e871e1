#pragma once
// Qt's own texts (its print, print preview and file dialogs, their
// questions and buttons) in Polish like the rest of the program, from the
// translations Qt installs (Debian: qt6-translations-l10n).

class QCoreApplication;

namespace velmora::platform::qt {

// After the application object is made. Without the translation files
// Qt's English stays; false then.
bool InstallPolishTranslations(QCoreApplication& application);

}  // namespace velmora::platform::qt
