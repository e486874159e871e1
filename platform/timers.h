#pragma once
// Timers of the program's windows, by control name ("SlideForm.Timer1").
// They fire on the user-interface thread, between other events.

#include <functional>
#include <string>

namespace velmora::platform {

class Timer {
 public:
  virtual ~Timer() = default;
  virtual void SetInterval(int milliseconds) = 0;
  virtual int Interval() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
  // Run every interval while enabled.
  virtual void SetHandler(std::function<void()> handler) = 0;
};

class Timers {
 public:
  virtual ~Timers() = default;
  virtual Timer& Get(const std::string& control) = 0;
};

// Timers that keep their settings and never fire.
Timers& NoTimers();

}  // namespace velmora::platform
