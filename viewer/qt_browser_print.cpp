// Printing for the browser: the print preview or the print dialog.

#include <QEventLoop>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "viewer/qt_browser.h"

namespace velmora::platform::qt {
namespace {

// The engine prints asynchronously; the preview wants the pages painted
// before paintRequested returns.
void PrintAndWait(QWebEngineView& view, QPrinter& printer) {
  QEventLoop loop;
  bool finished = false;
  auto connection = QObject::connect(&view, &QWebEngineView::printFinished, &loop, [&] {
    finished = true;
    loop.quit();
  });
  view.print(&printer);
  if (!finished) loop.exec();
  QObject::disconnect(connection);
}

}  // namespace

int QtBrowser::QueryStatusWB(int command) {
  if (command == OLECMDID_PRINT || command == OLECMDID_PRINTPREVIEW) {
    return OLECMDF_SUPPORTED_ENABLED;
  }
  return 0;
}

void QtBrowser::ExecWB(int command, int option) {
  if (!view_) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setResolution(kPrintResolution);
  if (command == OLECMDID_PRINTPREVIEW) {
    QPrintPreviewDialog dialog(&printer, view_);
    QWebEngineView* view = view_;
    connect(&dialog, &QPrintPreviewDialog::paintRequested, view,
            [view](QPrinter* target) { PrintAndWait(*view, *target); });
    dialog.exec();
  } else if (command == OLECMDID_PRINT) {
    if (option != OLECMDEXECOPT_DONTPROMPTUSER) {
      QPrintDialog dialog(&printer, view_);
      if (dialog.exec() != QDialog::Accepted) return;
    }
    PrintAndWait(*view_, printer);
  }
}

}  // namespace velmora::platform::qt
