#pragma once
// A browser of the viewer's kind on a 640 x 480 view on the screen, which
// may load the test pages (and only what the viewer would allow besides).

#include <QString>
#include <memory>

#include "viewer/qt_browser.h"
#include "viewer/request_guard.h"

inline std::unique_ptr<velmora::platform::qt::QtBrowser> ShownTestPageBrowser() {
  velmora::platform::qt::AllowLocalRoots({QStringLiteral(VELMORA_TEST_DATA "/gui")});
  auto browser = std::make_unique<velmora::platform::qt::QtBrowser>();
  browser->view()->resize(640, 480);
  browser->view()->show();
  return browser;
}
