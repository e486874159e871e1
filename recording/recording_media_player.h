#pragma once
// A media player without decoders: it traces every operation and keeps a
// simulated position and length. Nothing moves by itself; the replay script
// sets the length and position and ends the playing ("MovieForm.MediaFinish").
// A file opens when it exists and is not empty; its length is the one last
// set for the player (10000 units until a script sets another).

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "platform/file_system.h"
#include "platform/media_player.h"
#include "recording/trace.h"

namespace velmora::recording {

class RecordingMediaPlayer : public platform::MediaPlayer {
 public:
  static constexpr std::int64_t kDefaultLength = 10000;

  RecordingMediaPlayer(std::string control, Trace& trace, platform::FileSystem& files)
      : control_(std::move(control)), trace_(trace), files_(files) {}

  void SetFileName(const std::string& path) override;
  std::string FileName() const override { return fileName_; }
  bool Open() override;
  void Close() override;
  bool Play() override;
  void Stop() override;
  void Rewind() override;
  void Step() override;
  void Back() override;
  void Seek(std::int64_t position) override;
  std::int64_t Position() override { return position_; }
  std::int64_t Length() override { return open_ ? length_ : 0; }
  platform::MediaMode Mode() override { return mode_; }
  void SetDisplay(const std::string& control) override;

  // Script controls: the length of the files opened from now on (and of the
  // open one), a position the playing has reached, and the end of the file.
  void SimulateLength(std::int64_t length);
  void SimulatePosition(std::int64_t position);
  void SimulateFinish();

 private:
  void TraceCall(const std::string& operation, TraceFields fields = {});
  std::int64_t Clamp(std::int64_t position) const;

  std::string control_;
  Trace& trace_;
  platform::FileSystem& files_;
  std::string fileName_;
  bool open_ = false;
  std::int64_t length_ = kDefaultLength;
  std::int64_t position_ = 0;
  platform::MediaMode mode_ = platform::MediaMode::NotReady;
};

class RecordingMediaPlayers : public platform::MediaPlayers {
 public:
  RecordingMediaPlayers(Trace& trace, platform::FileSystem& files) : trace_(trace), files_(files) {}
  platform::MediaPlayer& Get(const std::string& control) override { return GetRecording(control); }
  RecordingMediaPlayer& GetRecording(const std::string& control);
  RecordingMediaPlayer* Find(const std::string& control);

 private:
  Trace& trace_;
  platform::FileSystem& files_;
  std::map<std::string, std::unique_ptr<RecordingMediaPlayer>> players_;
};

}  // namespace velmora::recording
