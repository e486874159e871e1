#include "platform/qt/qt_main_window.h"

#include <QCloseEvent>
#include <QVBoxLayout>

namespace velmora::platform::qt {

QtMainWindow::QtMainWindow() : mainWebBrowser_(this) {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(mainWebBrowser_.view());
}

void QtMainWindow::closeEvent(QCloseEvent* event) {
  if (onClose) onClose();
  event->accept();
}

}  // namespace velmora::platform::qt
