#pragma once
// The media player of the slide-show music and the films, by control name
// ("SlideForm.MediaPlayer1", "MovieForm.MediaPlayer1"). Positions and the
// length are whole units of the player (milliseconds on every platform so
// far); a length of 0 means the length is not known.

#include <cstdint>
#include <string>

namespace velmora::platform {

enum class MediaMode { NotReady, Stopped, Playing, Paused, Seeking, Open };

class MediaPlayer {
 public:
  virtual ~MediaPlayer() = default;

  // The file the next Open opens.
  virtual void SetFileName(const std::string& path) = 0;
  virtual std::string FileName() const = 0;
  // Closes a file still open, then opens FileName at its start, stopped.
  // False, with the mode NotReady, when the file cannot be opened.
  virtual bool Open() = 0;
  virtual void Close() = 0;

  // From the current position; at the very end it rewinds first. False when
  // nothing is open.
  virtual bool Play() = 0;
  // Halts at the current position; a later Play continues from there.
  virtual void Stop() = 0;
  virtual void Rewind() = 0;
  // One tenth of the length forward (rewinding first at the very end) or
  // back; never past either end.
  virtual void Step() = 0;
  virtual void Back() = 0;
  virtual void Seek(std::int64_t position) = 0;

  virtual std::int64_t Position() = 0;
  virtual std::int64_t Length() = 0;
  virtual MediaMode Mode() = 0;

  // The control films are drawn in ("MovieForm.Panel3"); empty for sound
  // only.
  virtual void SetDisplay(const std::string& control) = 0;
};

class MediaPlayers {
 public:
  virtual ~MediaPlayers() = default;
  virtual MediaPlayer& Get(const std::string& control) = 0;
};

// For platforms that play nothing: every file fails to open.
MediaPlayers& NoMediaPlayers();

}  // namespace velmora::platform
