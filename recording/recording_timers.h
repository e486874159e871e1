#pragma once
// Timers that never fire by themselves: a replay script raises the timer's
// handler ("SlideForm.Timer1Timer") when it wants a tick. Every change of
// the interval or the switch is traced.

#include <map>
#include <memory>
#include <string>

#include "platform/timers.h"
#include "recording/trace.h"

namespace velmora::recording {

class RecordingTimer : public platform::Timer {
 public:
  RecordingTimer(std::string control, Trace& trace) : control_(std::move(control)), trace_(trace) {}

  void SetInterval(int milliseconds) override;
  int Interval() const override { return interval_; }
  void SetEnabled(bool enabled) override;
  bool Enabled() const override { return enabled_; }
  void SetHandler(std::function<void()> handler) override { handler_ = std::move(handler); }

 private:
  void TraceState();

  std::string control_;
  Trace& trace_;
  int interval_ = 1000;
  bool enabled_ = false;
  std::function<void()> handler_;
};

class RecordingTimers : public platform::Timers {
 public:
  explicit RecordingTimers(Trace& trace) : trace_(trace) {}
  platform::Timer& Get(const std::string& control) override;

 private:
  Trace& trace_;
  std::map<std::string, std::unique_ptr<RecordingTimer>> timers_;
};

}  // namespace velmora::recording
