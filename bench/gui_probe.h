#pragma once
// Shared by the viewer's GUI benchmark and the bare reference viewer: when a
// browser view has painted a loaded page, the memory of the process tree,
// and the figures printed as "name value" lines.

#include <QObject>
#include <QWebEngineView>
#include <chrono>
#include <functional>
#include <string>

namespace velmora::bench {

using Clock = std::chrono::steady_clock;

// The driver's clock reading when it started this process (VELMORA_BENCH_T0_NS,
// CLOCK_MONOTONIC), else now.
Clock::time_point ProcessStartTime();
double MillisecondsSince(Clock::time_point start);
double MillisecondsBetween(Clock::time_point from, Clock::time_point to);
void Report(const std::string& name, double value);

// Reports when the view begins and finishes loading its first page
// ("start_page_load_started_ms", "start_page_loaded_ms").
void ReportFirstLoad(QWebEngineView* view, Clock::time_point start);
// The phases of a click, from `click`: the next load started and finished
// ("click_load_started_ms", "click_loaded_ms").
void ReportNextLoad(QWebEngineView* view, Clock::time_point click);

// Calls back once the view has finished loading a page and painted a frame
// after that (or, when the frame came before the load finished and no other
// follows, a moment later).
class PaintProbe : public QObject {
 public:
  explicit PaintProbe(QWebEngineView* view);
  void Arm(std::function<void()> painted);
  // When the frame that fired the last call back was painted: the call back
  // itself waits for the event loop, behind whatever the program queued.
  Clock::time_point PaintedAt() const { return paintedAt_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Fire();
  void Watch();

  QWebEngineView* view_;
  QObject* watched_ = nullptr;
  std::function<void()> painted_;
  bool loaded_ = false;
  bool paintedSinceArm_ = false;
  bool firing_ = false;
  Clock::time_point paintedAt_;
};

// Resident and proportional set size (kB) of this process and all its
// descendants (the engine's helper processes).
struct TreeMemory {
  long rssKb = 0;
  long pssKb = 0;
  long ownPssKb = 0;  // the process itself, without its helpers
  int processes = 0;
};
TreeMemory MeasureProcessTree();
void ReportMemory(const std::string& stage);

}  // namespace velmora::bench
