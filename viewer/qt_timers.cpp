#include "viewer/qt_timers.h"

namespace velmora::platform::qt {

QtTimer::QtTimer() {
  timer_.setInterval(1000);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (handler_) handler_();
  });
}

void QtTimer::SetEnabled(bool enabled) {
  if (enabled == timer_.isActive()) return;
  if (enabled) {
    timer_.start();
  } else {
    timer_.stop();
  }
}

Timer& QtTimers::Get(const std::string& control) {
  auto& slot = timers_[control];
  if (!slot) slot = std::make_unique<QtTimer>();
  return *slot;
}

}  // namespace velmora::platform::qt
