#pragma once
// Runs a script in a page and waits for its answer, in a real event loop.

#include <QString>
#include <QVariant>
#include <QWebEnginePage>

#include "gui_wait.h"

inline QString RunPageScript(QWebEnginePage& page, const QString& script) {
  QString result;
  bool answered = false;
  page.runJavaScript(script, [&](const QVariant& value) {
    result = value.toString();
    answered = true;
  });
  WaitUntil([&] { return answered; }, 10000);
  return result;
}
