#include "recording/recording_timers.h"

namespace velmora::recording {

void RecordingTimer::TraceState() {
  trace_.Call("SetTimer", {{"control", control_},
                           {"enabled", enabled_},
                           {"interval", static_cast<long long>(interval_)}});
}

void RecordingTimer::SetInterval(int milliseconds) {
  interval_ = milliseconds;
  TraceState();
}

void RecordingTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  TraceState();
}

platform::Timer& RecordingTimers::Get(const std::string& control) {
  auto& slot = timers_[control];
  if (!slot) slot = std::make_unique<RecordingTimer>(control, trace_);
  return *slot;
}

}  // namespace velmora::recording
