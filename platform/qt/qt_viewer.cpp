#include "platform/qt/qt_viewer.h"

#include <QProgressBar>

#include "windows/czekaj_form.h"
#include "windows/loading_form.h"

namespace velmora::platform::qt {

QtViewer::QtViewer(QtUi& ui, QtBrowsers& browsers) {
  mainWindow_.Register(ui, browsers);
  ui.RegisterWindow(windows::TLoadingForm::kWindow, &loading_);
  ui.RegisterWindow(windows::TCzekajForm::kWindow, &wait_);
  ui.RegisterControl(windows::TCzekajForm::kProgressBar, wait_.LMDProgressFill1());
}

void QtViewer::Connect(app::Application& application) {
  mainWindow_.SetHandlers(application.Handlers());
}

}  // namespace velmora::platform::qt
