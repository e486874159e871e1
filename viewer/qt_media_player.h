#pragma once
// The media player on Qt Multimedia (GStreamer underneath on Linux). Open
// waits until the file is loaded or refused, so that the length is known
// when it returns, as callers expect of a file player. Films are drawn in
// the video widget registered under the display's control name. Without an
// audio device the sound is dropped and the picture still plays. The media
// layer is started when a player first opens a file: starting it costs tens
// of milliseconds and megabytes, and most sessions play nothing.

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QObject>
#include <QPointer>
#include <QVideoWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/media_player.h"

namespace velmora::platform::qt {

class QtMediaPlayers;

class QtMediaPlayer : public QObject, public MediaPlayer {
  Q_OBJECT
 public:
  QtMediaPlayer(QtMediaPlayers& owner, QObject* parent = nullptr);

  void SetFileName(const std::string& path) override { fileName_ = path; }
  std::string FileName() const override { return fileName_; }
  bool Open() override;
  void Close() override;
  bool Play() override;
  void Stop() override;
  void Rewind() override;
  void Step() override;
  void Back() override;
  void Seek(std::int64_t position) override;
  std::int64_t Position() override;
  std::int64_t Length() override;
  MediaMode Mode() override;
  void SetDisplay(const std::string& control) override;

  // The last error the media layer reported, empty when none.
  QString lastError() const { return lastError_; }
  // Whether the open film has a sound track the media layer can play.
  bool hasAudio() const { return player_ && player_->hasAudio(); }

 private:
  bool IsOpen() const;
  // The media layer's player, made on first use.
  QMediaPlayer& Player();
  // Waits until the media is loaded or refused; true when loaded.
  bool WaitForLoad(int timeoutMs);

  QtMediaPlayers& owner_;
  std::unique_ptr<QMediaPlayer> player_;
  std::unique_ptr<QAudioOutput> audio_;
  std::string fileName_;
  std::string display_;
  QString lastError_;
  bool failed_ = false;
};

class QtMediaPlayers : public MediaPlayers {
 public:
  MediaPlayer& Get(const std::string& control) override;
  QtMediaPlayer* Find(const std::string& control);
  // The widget that draws the films of a display control name, made by the
  // function when a film first needs it.
  void RegisterDisplay(const std::string& control, std::function<QVideoWidget*()> make);
  QVideoWidget* Display(const std::string& control) const;

 private:
  std::map<std::string, std::unique_ptr<QtMediaPlayer>> players_;
  std::map<std::string, std::function<QVideoWidget*()>> displays_;
};

}  // namespace velmora::platform::qt
