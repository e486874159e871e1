#include <map>
#include <memory>

#include "platform/media_player.h"
#include "platform/timers.h"

namespace velmora::platform {
namespace {

class NullMediaPlayer : public MediaPlayer {
 public:
  void SetFileName(const std::string& path) override { fileName_ = path; }
  std::string FileName() const override { return fileName_; }
  bool Open() override { return false; }
  void Close() override {}
  bool Play() override { return false; }
  void Stop() override {}
  void Rewind() override {}
  void Step() override {}
  void Back() override {}
  void Seek(std::int64_t) override {}
  std::int64_t Position() override { return 0; }
  std::int64_t Length() override { return 0; }
  MediaMode Mode() override { return MediaMode::NotReady; }
  void SetDisplay(const std::string&) override {}

 private:
  std::string fileName_;
};

class NullMediaPlayers : public MediaPlayers {
 public:
  MediaPlayer& Get(const std::string& control) override {
    auto& slot = players_[control];
    if (!slot) slot = std::make_unique<NullMediaPlayer>();
    return *slot;
  }

 private:
  std::map<std::string, std::unique_ptr<NullMediaPlayer>> players_;
};

class NullTimer : public Timer {
 public:
  void SetInterval(int milliseconds) override { interval_ = milliseconds; }
  int Interval() const override { return interval_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  bool Enabled() const override { return enabled_; }
  void SetHandler(std::function<void()>) override {}

 private:
  int interval_ = 1000;
  bool enabled_ = false;
};

class NullTimers : public Timers {
 public:
  Timer& Get(const std::string& control) override {
    auto& slot = timers_[control];
    if (!slot) slot = std::make_unique<NullTimer>();
    return *slot;
  }

 private:
  std::map<std::string, std::unique_ptr<NullTimer>> timers_;
};

}  // namespace

MediaPlayers& NoMediaPlayers() {
  static NullMediaPlayers players;
  return players;
}

Timers& NoTimers() {
  static NullTimers timers;
  return timers;
}

}  // namespace velmora::platform
