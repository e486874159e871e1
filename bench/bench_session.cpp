#include "bench/bench_session.h"

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstring>
#include <filesystem>
#include <stdexcept>

extern char** environ;

namespace velmora::bench {

std::vector<Disc> TakeDiscArguments(int& argc, char** argv) {
  std::vector<Disc> discs;
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const std::string prefix = "--disc=";
    const std::size_t colon = arg.find(':');
    if (arg.rfind(prefix, 0) == 0 && colon != std::string::npos) {
      std::string root = arg.substr(colon + 1);
      if (root.empty() || root.back() != '/') root += '/';
      discs.push_back({arg.substr(prefix.size(), colon - prefix.size()), root});
    } else {
      argv[kept++] = argv[i];
    }
  }
  argc = kept;
  return discs;
}

bool TakeFlag(int& argc, char** argv, const std::string& flag) {
  bool given = false;
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    if (flag == argv[i]) {
      given = true;
    } else {
      argv[kept++] = argv[i];
    }
  }
  argc = kept;
  return given;
}

Session::Session(const Disc& disc) {
  std::string pattern = (std::filesystem::temp_directory_path() / "velmora-bench-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary directory");
  temp_ = pattern + "/";
  const std::string ini = "[General]\ncdPath=" + disc.root + "\ninstPath=" + disc.root + "\n";
  recording_ = std::make_unique<recording::RecordingPlatform>(
      null_, recording::RecordingOptions{temp_, ini});
  application_ = std::make_unique<app::Application>(recording_->platform());
}

void Session::Start() {
  if (!application_->Start()) throw std::runtime_error("the program did not start on the disc");
  started_ = true;
}

Session::~Session() {
  if (started_) application_->MainForm()->FormClose();
  application_.reset();
  recording_.reset();
  std::error_code ignored;
  std::filesystem::remove_all(temp_, ignored);
}

int RunQuietly(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) return -1;
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void TimeStartups(benchmark::State& state, const Disc& disc) {
  for (auto _ : state) {
    state.PauseTiming();
    auto session = std::make_unique<Session>(disc);
    state.ResumeTiming();
    session->Start();
    state.PauseTiming();
    session.reset();
    state.ResumeTiming();
  }
}

}  // namespace velmora::bench
