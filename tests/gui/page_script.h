#pragma once
// Runs a script in a page and waits for its answer, in a real event loop.

#include <QString>
#include <QVariant>
#include <QWebEnginePage>
#include <memory>

#include "gui_wait.h"

// An answer that comes after the wait gave up lands in shared state, not in
// a finished call's locals.
inline QString RunPageScript(QWebEnginePage& page, const QString& script, int timeoutMs = 10000) {
  struct Answer {
    QString result;
    bool answered = false;
  };
  auto answer = std::make_shared<Answer>();
  page.runJavaScript(script, [answer](const QVariant& value) {
    answer->result = value.toString();
    answer->answered = true;
  });
  WaitUntil([&] { return answer->answered; }, timeoutMs);
  return answer->result;
}
