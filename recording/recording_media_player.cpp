#include "recording/recording_media_player.h"

#include <algorithm>

namespace velmora::recording {

namespace {

const char* ModeName(platform::MediaMode mode) {
  switch (mode) {
    case platform::MediaMode::NotReady:
      return "notReady";
    case platform::MediaMode::Stopped:
      return "stopped";
    case platform::MediaMode::Playing:
      return "playing";
    case platform::MediaMode::Paused:
      return "paused";
    case platform::MediaMode::Seeking:
      return "seeking";
    case platform::MediaMode::Open:
      return "open";
  }
  return "notReady";
}

}  // namespace

void RecordingMediaPlayer::TraceCall(const std::string& operation, TraceFields fields) {
  fields.insert(fields.begin(), {"control", control_});
  fields.emplace_back("position", static_cast<long long>(position_));
  fields.emplace_back("mode", std::string(ModeName(mode_)));
  trace_.Call(operation, fields);
}

std::int64_t RecordingMediaPlayer::Clamp(std::int64_t position) const {
  return std::clamp<std::int64_t>(position, 0, std::max<std::int64_t>(length_, 0));
}

void RecordingMediaPlayer::SetFileName(const std::string& path) {
  fileName_ = path;
  trace_.Call("MediaSetFileName", {{"control", control_}, {"path", path}});
}

bool RecordingMediaPlayer::Open() {
  open_ = false;
  position_ = 0;
  const std::optional<std::string> bytes = files_.ReadFile(fileName_);
  open_ = bytes && !bytes->empty();
  mode_ = open_ ? platform::MediaMode::Stopped : platform::MediaMode::NotReady;
  TraceCall("MediaOpen", {{"path", fileName_}, {"ok", open_}});
  return open_;
}

void RecordingMediaPlayer::Close() {
  open_ = false;
  position_ = 0;
  mode_ = platform::MediaMode::NotReady;
  TraceCall("MediaClose");
}

bool RecordingMediaPlayer::Play() {
  if (open_) {
    if (position_ >= length_) position_ = 0;
    mode_ = platform::MediaMode::Playing;
  }
  TraceCall("MediaPlay", {{"ok", open_}});
  return open_;
}

void RecordingMediaPlayer::Stop() {
  if (open_) mode_ = platform::MediaMode::Stopped;
  TraceCall("MediaStop");
}

void RecordingMediaPlayer::Rewind() {
  if (open_) {
    position_ = 0;
    mode_ = platform::MediaMode::Stopped;
  }
  TraceCall("MediaRewind");
}

void RecordingMediaPlayer::Step() {
  if (open_) {
    if (position_ >= length_) position_ = 0;
    position_ = Clamp(position_ + length_ / 10);
  }
  TraceCall("MediaStep");
}

void RecordingMediaPlayer::Back() {
  if (open_) position_ = Clamp(position_ - length_ / 10);
  TraceCall("MediaBack");
}

void RecordingMediaPlayer::Seek(std::int64_t position) {
  if (open_) position_ = Clamp(position);
  TraceCall("MediaSeek", {{"target", static_cast<long long>(position)}});
}

void RecordingMediaPlayer::SetDisplay(const std::string& control) {
  trace_.Call("MediaSetDisplay", {{"control", control_}, {"display", control}});
}

void RecordingMediaPlayer::SimulateLength(std::int64_t length) {
  length_ = std::max<std::int64_t>(length, 0);
  position_ = Clamp(position_);
}

void RecordingMediaPlayer::SimulatePosition(std::int64_t position) {
  if (open_) position_ = Clamp(position);
}

void RecordingMediaPlayer::SimulateFinish() {
  if (!open_) return;
  position_ = length_;
  mode_ = platform::MediaMode::Stopped;
}

RecordingMediaPlayer& RecordingMediaPlayers::GetRecording(const std::string& control) {
  auto& slot = players_[control];
  if (!slot) slot = std::make_unique<RecordingMediaPlayer>(control, trace_, files_);
  return *slot;
}

RecordingMediaPlayer* RecordingMediaPlayers::Find(const std::string& control) {
  const auto it = players_.find(control);
  return it == players_.end() ? nullptr : it->second.get();
}

}  // namespace velmora::recording
