#pragma once
// The windows' timers on QTimer, by control name.

#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/timers.h"

namespace velmora::platform::qt {

class QtTimer : public Timer {
 public:
  QtTimer();
  void SetInterval(int milliseconds) override { timer_.setInterval(milliseconds); }
  int Interval() const override { return timer_.interval(); }
  void SetEnabled(bool enabled) override;
  bool Enabled() const override { return timer_.isActive(); }
  void SetHandler(std::function<void()> handler) override { handler_ = std::move(handler); }

 private:
  QTimer timer_;
  std::function<void()> handler_;
};

class QtTimers : public Timers {
 public:
  Timer& Get(const std::string& control) override;

 private:
  std::map<std::string, std::unique_ptr<QtTimer>> timers_;
};

}  // namespace velmora::platform::qt
