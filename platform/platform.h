#pragma once
// Everything the core receives from the platform, handed to the windows at
// construction. Browsers are looked up by control name ("MainWebBrowser",
// "DictionaryBalloon.CppWebBrowser").

#include <string>

#include "platform/browser.h"
#include "platform/file_system.h"
#include "platform/system.h"
#include "platform/ui.h"

namespace velmora::platform {

class Browsers {
 public:
  virtual ~Browsers() = default;
  virtual Browser& Get(const std::string& control) = 0;
};

struct Platform {
  Ui& ui;
  Browsers& browsers;
  FileSystem& files;
  Processes& processes;
  Shell& shell;
  SettingsStore& settings;
  Clock& clock;
};

}  // namespace velmora::platform
