#pragma once
// Waiting in GUI tests: a real event loop between checks, because QTest's
// waits sleep between rounds and starve the engine's tasks on this thread.
// The limit is generous: a loaded machine starts the engine slowly, and a
// passing test never waits that long.

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <functional>

inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 60000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > timeoutMs) return false;
    QEventLoop loop;
    QTimer::singleShot(5, &loop, &QEventLoop::quit);
    loop.exec();
  }
  return true;
}

// A check that waits for its condition instead of failing at once.
#define WAIT_VERIFY(expr) QVERIFY2(WaitUntil([&] { return bool(expr); }), #expr)
