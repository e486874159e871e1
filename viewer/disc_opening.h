#pragma once
// Before the core starts: the disc this run reads. A disc given on the
// command line is used for this run only; a disc image is unpacked once
// into the user's cache (with a progress window) and read from there. With
// no disc given, no settings and no disc in the current folder, the user
// chooses one, and the choice is written to the settings.

#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "viewer/qt_system.h"

namespace velmora::platform::qt {

struct DiscOpeningOptions {
  // Message boxes go to the error output instead.
  bool unattended = false;
  // Called once the chooser is on screen.
  std::function<void(QWidget& chooser)> chooserShown;
};

struct DiscOpening {
  // Set when the program ends here: 0 when the chooser was closed, 1 when
  // the disc cannot be opened.
  std::optional<int> status;
  // The disc for this run, for QtSettingsStore::UseForThisRun: one given
  // on the command line, or the settings' as already read here.
  std::optional<ContentKey> thisRun;
};

DiscOpening OpenDisc(const std::optional<std::string>& given, const DiscOpeningOptions& options);

}  // namespace velmora::platform::qt
