#pragma once
// The browser engine's diagnostic output (its graphics details, Chromium's
// log lines) is for whoever looks into a fault, not for every start: off
// unless asked for with --verbose or the usual variables (QT_LOGGING_RULES,
// logging switches in QTWEBENGINE_CHROMIUM_FLAGS, QT_DEBUG_PLUGINS). The
// viewer's own "velmora: ..." lines are not touched.

namespace velmora::platform::qt {

// Before QApplication is made: quiets the engine unless `verbose`.
void QuietEngineUnlessVerbose(bool verbose);

}  // namespace velmora::platform::qt
