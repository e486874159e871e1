#include "viewer/refusal_log.h"

#include <QDebug>
#include <QMutexLocker>

namespace velmora::platform::qt {

void RefusalLog::Add(const QUrl& url, const QString& reason) {
  {
    QMutexLocker locker(&mutex_);
    kept_.push_back({url, reason});
    if (kept_.size() > kKept) kept_.pop_front();
  }
  qInfo().noquote() << "velmora: refused" << url.toString(QUrl::RemoveQuery) << "-" << reason;
}

std::vector<Refusal> RefusalLog::Kept() const {
  QMutexLocker locker(&mutex_);
  return {kept_.begin(), kept_.end()};
}

void RefusalLog::Clear() {
  QMutexLocker locker(&mutex_);
  kept_.clear();
}

}  // namespace velmora::platform::qt
