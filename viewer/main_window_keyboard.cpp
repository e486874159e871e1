// Tab and Shift+Tab in the main window: a ring over the page, the search
// box, the bars, the tree, "_" and "X". Inside a page Tab first goes
// through its links; the engine hands the keyboard back after the last.

#include "viewer/qt_main_window.h"

namespace velmora::platform::qt {

bool QtMainWindow::focusNextPrevChild(bool next) {
  const QList<QWidget*> stops = TabStops();
  if (stops.isEmpty()) return QWidget::focusNextPrevChild(next);
  QWidget* focused = focusWidget();
  qsizetype at = -1;
  for (qsizetype i = 0; i < stops.size() && focused != nullptr; ++i) {
    if (stops[i] == focused || stops[i]->isAncestorOf(focused)) at = i;
  }
  const qsizetype count = stops.size();
  const qsizetype to = at < 0 ? (next ? 0 : count - 1) : (at + (next ? 1 : count - 1)) % count;
  stops[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

}  // namespace velmora::platform::qt
