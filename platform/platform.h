#pragma once
// Everything the core receives from the platform, handed to the windows at
// construction. Browsers are looked up by control name ("MainWebBrowser",
// "DictionaryBalloon.CppWebBrowser").

#include <string>
#include <vector>

#include "platform/browser.h"
#include "platform/file_system.h"
#include "platform/media_player.h"
#include "platform/system.h"
#include "platform/timers.h"
#include "platform/ui.h"

namespace velmora::platform {

class Browsers {
 public:
  virtual ~Browsers() = default;
  virtual Browser& Get(const std::string& control) = 0;
  // The directories whose files the pages may load (the content root, the
  // installation root, the working directory); given at start-up before
  // the first page is asked for. Until then no local file may be loaded.
  virtual void AllowLocalDirectories(const std::vector<std::string>& directories) {
    (void)directories;
  }
  // Besides those: a directory that other programs use too, of whose files
  // the pages may load only those with these names (a name ending in '*'
  // stands for every name that begins with the rest; letter case ignored).
  virtual void AllowLocalFilesIn(const std::string& directory,
                                 const std::vector<std::string>& names) {
    (void)directory;
    (void)names;
  }
};

struct Platform {
  Ui& ui;
  Browsers& browsers;
  FileSystem& files;
  Processes& processes;
  Shell& shell;
  SettingsStore& settings;
  Clock& clock;
  // Players and timers of the slide-show and film windows; a platform
  // without them plays nothing and never fires.
  MediaPlayers& players = NoMediaPlayers();
  Timers& timers = NoTimers();
};

}  // namespace velmora::platform
