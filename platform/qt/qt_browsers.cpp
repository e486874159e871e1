#include "platform/qt/qt_browsers.h"

#include <stdexcept>

namespace velmora::platform::qt {

void QtBrowsers::Register(const std::string& control, QtBrowser& browser) {
  browsers_[control] = &browser;
}

Browser& QtBrowsers::Get(const std::string& control) {
  auto found = browsers_.find(control);
  if (found == browsers_.end()) throw std::out_of_range("no browser control " + control);
  return *found->second;
}

}  // namespace velmora::platform::qt
