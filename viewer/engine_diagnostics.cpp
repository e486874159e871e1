#include "viewer/engine_diagnostics.h"

#include <QByteArray>
#include <QLoggingCategory>

namespace velmora::platform::qt {

namespace {

// Chromium's switches that ask for its log; with one of them the user wants
// to see it.
bool ChromiumLoggingAsked(const QByteArray& flags) {
  for (const char* flag : {"--enable-logging", "--log-level", "--v=", "--vmodule"}) {
    if (flags.contains(flag)) return true;
  }
  return false;
}

}  // namespace

void QuietEngineUnlessVerbose(bool verbose) {
  if (verbose) return;
  // QT_LOGGING_RULES and QT_DEBUG_PLUGINS still win over these: they are
  // applied after the program's own rules.
  QLoggingCategory::setFilterRules(
      QStringLiteral("qt.webenginecontext=false\n"
                     "qt.webengine*.debug=false\n"
                     "qt.webengine*.info=false\n"
                     "js=false"));
  QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  if (ChromiumLoggingAsked(flags)) return;
  // Only fatal errors, which end the engine anyway.
  if (!flags.isEmpty()) flags += ' ';
  flags += "--log-level=3";
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
}

}  // namespace velmora::platform::qt
