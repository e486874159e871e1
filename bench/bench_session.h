#pragma once
// A started program on the recording platform, tracing into nothing, reading
// a generated disc; and the discs a benchmark run was given.

#include <benchmark/benchmark.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/application.h"
#include "recording/recording_platform.h"

namespace velmora::bench {

struct Disc {
  std::string scale;  // as given on the command line, e.g. "1", "100"
  std::string root;   // ends in '/'
};

// "--disc=SCALE:DIR" arguments, removed from argv.
std::vector<Disc> TakeDiscArguments(int& argc, char** argv);
// Whether FLAG was given; it is taken out of the arguments.
bool TakeFlag(int& argc, char** argv, const std::string& flag);

class Session {
 public:
  // Not started yet: Start() is what the start-up benchmark times.
  explicit Session(const Disc& disc);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  void Start();
  app::TMainForm& Form() { return *application_->MainForm(); }
  recording::RecordingPlatform& Recording() { return *recording_; }
  const std::string& TempDir() const { return temp_; }

 private:
  std::ostream null_{nullptr};
  std::string temp_;
  std::unique_ptr<recording::RecordingPlatform> recording_;
  std::unique_ptr<app::Application> application_;
  bool started_ = false;
};

// Times Session::Start on a program made afresh for each iteration (making
// and ending it untimed).
void TimeStartups(benchmark::State& state, const Disc& disc);

// Runs the program with its arguments, output discarded; its exit status.
int RunQuietly(const std::vector<std::string>& argv);

}  // namespace velmora::bench
