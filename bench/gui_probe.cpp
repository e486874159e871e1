#include "bench/gui_probe.h"

#include <unistd.h>

#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>

namespace velmora::bench {

Clock::time_point ProcessStartTime() {
  const char* given = std::getenv("VELMORA_BENCH_T0_NS");
  if (!given) return Clock::now();
  return Clock::time_point(std::chrono::nanoseconds(std::strtoll(given, nullptr, 10)));
}

double MillisecondsSince(Clock::time_point start) {
  return MillisecondsBetween(start, Clock::now());
}

double MillisecondsBetween(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

void Report(const std::string& name, double value) {
  std::printf("%s %.1f\n", name.c_str(), value);
  std::fflush(stdout);
}

namespace {

// The view's next load, started and finished, each reported once under its name.
void ReportLoadPhases(QWebEngineView* view, Clock::time_point since, const char* startedName,
                      const char* loadedName) {
  auto started = std::make_shared<QMetaObject::Connection>();
  *started = QObject::connect(view, &QWebEngineView::loadStarted, [=] {
    QObject::disconnect(*started);
    Report(startedName, MillisecondsSince(since));
  });
  auto finished = std::make_shared<QMetaObject::Connection>();
  *finished = QObject::connect(view, &QWebEngineView::loadFinished, [=] {
    QObject::disconnect(*finished);
    Report(loadedName, MillisecondsSince(since));
  });
}

}  // namespace

void ReportFirstLoad(QWebEngineView* view, Clock::time_point start) {
  ReportLoadPhases(view, start, "start_page_load_started_ms", "start_page_loaded_ms");
}

void ReportNextLoad(QWebEngineView* view, Clock::time_point click) {
  ReportLoadPhases(view, click, "click_load_started_ms", "click_loaded_ms");
}

PaintProbe::PaintProbe(QWebEngineView* view) : view_(view) {
  connect(view_, &QWebEngineView::loadStarted, this, [this] { loaded_ = false; });
  connect(view_, &QWebEngineView::loadFinished, this, [this](bool) {
    loaded_ = true;
    Watch();
    // A frame that came with the load: give the next one a moment, else count it.
    if (painted_ && paintedSinceArm_) {
      QTimer::singleShot(50, this, [this] {
        if (!painted_ || firing_) return;
        paintedAt_ = Clock::now();
        Fire();
      });
    }
  });
}

void PaintProbe::Watch() {
  // The engine draws into a child widget that it may replace per page.
  QObject* target = view_->focusProxy() ? static_cast<QObject*>(view_->focusProxy()) : view_;
  if (target == watched_) return;
  if (watched_) watched_->removeEventFilter(this);
  watched_ = target;
  watched_->installEventFilter(this);
}

void PaintProbe::Arm(std::function<void()> painted) {
  painted_ = std::move(painted);
  loaded_ = false;
  paintedSinceArm_ = false;
  firing_ = false;
  Watch();
}

bool PaintProbe::eventFilter(QObject* watched, QEvent* event) {
  if (watched == watched_ && event->type() == QEvent::Paint && painted_) {
    paintedSinceArm_ = true;
    if (loaded_ && !firing_) {
      firing_ = true;
      paintedAt_ = Clock::now();
      QTimer::singleShot(0, this, [this] { Fire(); });
    }
  }
  return QObject::eventFilter(watched, event);
}

void PaintProbe::Fire() {
  if (!painted_) return;
  auto painted = std::move(painted_);
  painted_ = nullptr;
  painted();
}

namespace {

long FieldKb(const std::string& file, const std::string& field) {
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind(field, 0) == 0) return std::strtol(line.c_str() + field.size(), nullptr, 10);
  }
  return 0;
}

// The engine's process type ("renderer", "gpu-process", ...) from its
// command line; the program's own process has none.
std::string ProcessKind(const std::string& dir) {
  std::ifstream in(dir + "cmdline");
  std::string argument;
  while (std::getline(in, argument, '\0')) {
    if (argument.rfind("--type=", 0) == 0) return argument.substr(7);
  }
  return "main";
}

}  // namespace

TreeMemory MeasureProcessTree() {
  std::map<int, int> parentOf;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream in(entry.path() / "stat");
    std::string stat;
    std::getline(in, stat);
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream rest(stat.substr(close + 2));
    char state = 0;
    int parent = 0;
    rest >> state >> parent;
    parentOf[std::stoi(name)] = parent;
  }
  std::set<int> tree{static_cast<int>(getpid())};
  for (bool grew = true; grew;) {
    grew = false;
    for (const auto& [pid, parent] : parentOf) {
      if (tree.count(parent) && tree.insert(pid).second) grew = true;
    }
  }
  TreeMemory memory;
  for (int pid : tree) {
    const std::string dir = "/proc/" + std::to_string(pid) + "/";
    memory.rssKb += FieldKb(dir + "status", "VmRSS:");
    const long pss = FieldKb(dir + "smaps_rollup", "Pss:");
    memory.pssKb += pss;
    if (pid == static_cast<int>(getpid())) memory.ownPssKb = pss;
    ++memory.processes;
    // VELMORA_BENCH_DETAIL: every process's share on the error output.
    if (std::getenv("VELMORA_BENCH_DETAIL")) {
      std::fprintf(stderr, "%d %s pss %ld kB (anonymous %ld, files %ld, shared memory %ld)\n", pid,
                   ProcessKind(dir).c_str(), pss, FieldKb(dir + "smaps_rollup", "Pss_Anon:"),
                   FieldKb(dir + "smaps_rollup", "Pss_File:"),
                   FieldKb(dir + "smaps_rollup", "Pss_Shmem:"));
    }
  }
  return memory;
}

void ReportMemory(const std::string& stage) {
  if (std::getenv("VELMORA_BENCH_DETAIL")) std::fprintf(stderr, "%s:\n", stage.c_str());
  const TreeMemory memory = MeasureProcessTree();
  Report("rss_kb_" + stage, static_cast<double>(memory.rssKb));
  Report("pss_kb_" + stage, static_cast<double>(memory.pssKb));
  Report("processes_" + stage, memory.processes);
  Report("own_pss_kb_" + stage, static_cast<double>(memory.ownPssKb));
}

}  // namespace velmora::bench
