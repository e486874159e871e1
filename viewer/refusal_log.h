#pragma once
// What the viewer refused to load or hand on: each refusal is logged
// ("velmora: refused ADDRESS - reason", the query left out: it may carry what
// a page read) and the latest are kept for tests.

#include <QMutex>
#include <QString>
#include <QUrl>
#include <deque>
#include <vector>

namespace velmora::platform::qt {

struct Refusal {
  QUrl url;
  QString reason;
};

// Safe from any thread: the request guard runs on the engine's IO thread.
class RefusalLog {
 public:
  void Add(const QUrl& url, const QString& reason);
  // Oldest first.
  std::vector<Refusal> Kept() const;
  void Clear();

 private:
  static constexpr std::size_t kKept = 1000;
  mutable QMutex mutex_;
  std::deque<Refusal> kept_;
};

}  // namespace velmora::platform::qt
