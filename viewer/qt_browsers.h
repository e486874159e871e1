#pragma once
// The browsers of the program's windows, by control name.

#include <map>
#include <string>

#include "platform/platform.h"
#include "viewer/qt_browser.h"

namespace velmora::platform::qt {

class QtBrowsers : public Browsers {
 public:
  void Register(const std::string& control, QtBrowser& browser);
  // Throws std::out_of_range for a name no window has registered.
  Browser& Get(const std::string& control) override;
  // Every browser shares one profile, so this holds for all of them.
  void AllowLocalDirectories(const std::vector<std::string>& directories) override;
  void AllowLocalFilesIn(const std::string& directory,
                         const std::vector<std::string>& names) override;

 private:
  std::map<std::string, QtBrowser*> browsers_;
};

}  // namespace velmora::platform::qt
