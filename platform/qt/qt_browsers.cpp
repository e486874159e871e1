#include "platform/qt/qt_browsers.h"

#include <stdexcept>

#include "platform/codepage.h"
#include "platform/qt/request_guard.h"
#include "platform/qt/win1250_text.h"

namespace velmora::platform::qt {

void QtBrowsers::Register(const std::string& control, QtBrowser& browser) {
  browsers_[control] = &browser;
}

Browser& QtBrowsers::Get(const std::string& control) {
  auto found = browsers_.find(control);
  if (found == browsers_.end()) throw std::out_of_range("no browser control " + control);
  return *found->second;
}

void QtBrowsers::AllowLocalDirectories(const std::vector<std::string>& directories) {
  std::vector<QString> roots;
  for (const std::string& directory : directories) {
    roots.push_back(FromWin1250(directory));
  }
  AllowLocalRoots(roots);
}

void QtBrowsers::AllowLocalFilesIn(const std::string& directory,
                                   const std::vector<std::string>& names) {
  std::vector<QString> converted;
  for (const std::string& name : names) {
    converted.push_back(FromWin1250(name));
  }
  qt::AllowLocalFilesIn(FromWin1250(directory), converted);
}

}  // namespace velmora::platform::qt
