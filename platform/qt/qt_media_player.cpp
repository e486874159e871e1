#include "platform/qt/qt_media_player.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "platform/codepage.h"
#include "platform/qt/media_file_check.h"
#include "platform/qt/win1250_text.h"

namespace velmora::platform::qt {

namespace {
constexpr int kLoadTimeoutMs = 10000;
}

QtMediaPlayer::QtMediaPlayer(QtMediaPlayers& owner, QObject* parent)
    : QObject(parent), owner_(owner) {}

QMediaPlayer& QtMediaPlayer::Player() {
  if (player_) return *player_;
  player_ = std::make_unique<QMediaPlayer>();
  // No audio device (a machine without a sound card): no audio output, so
  // that the pipeline does not fail on the missing sink.
  if (!QMediaDevices::audioOutputs().isEmpty()) {
    audio_ = std::make_unique<QAudioOutput>();
    player_->setAudioOutput(audio_.get());
  }
  connect(player_.get(), &QMediaPlayer::errorOccurred, this,
          [this](QMediaPlayer::Error error, const QString& text) {
            if (error == QMediaPlayer::NoError) return;
            failed_ = true;
            lastError_ = text;
            qWarning("Media player: %s: %s", fileName_.c_str(), qPrintable(text));
          });
  return *player_;
}

bool QtMediaPlayer::IsOpen() const {
  if (!player_ || failed_ || player_->source().isEmpty()) return false;
  const QMediaPlayer::MediaStatus status = player_->mediaStatus();
  return status != QMediaPlayer::NoMedia && status != QMediaPlayer::InvalidMedia;
}

bool QtMediaPlayer::WaitForLoad(int timeoutMs) {
  auto settled = [this] {
    const QMediaPlayer::MediaStatus status = player_->mediaStatus();
    return failed_ || status == QMediaPlayer::LoadedMedia ||
           status == QMediaPlayer::BufferedMedia || status == QMediaPlayer::InvalidMedia ||
           status == QMediaPlayer::EndOfMedia;
  };
  if (!settled()) {
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(player_.get(), &QMediaPlayer::mediaStatusChanged, &loop, [&] {
      if (settled()) loop.quit();
    });
    connect(player_.get(), &QMediaPlayer::errorOccurred, &loop, &QEventLoop::quit);
    timeout.start(timeoutMs);
    loop.exec();
  }
  return IsOpen() && player_->mediaStatus() != QMediaPlayer::LoadingMedia;
}

bool QtMediaPlayer::Open() {
  Close();
  failed_ = false;
  lastError_.clear();
  const QString path = FromWin1250(fileName_);
  // Refused as a file the media layer cannot open: the player never sees it.
  const QString refusal = MediaFileRefusal(path);
  if (!refusal.isEmpty()) {
    failed_ = true;
    lastError_ = refusal;
    qWarning("Media player: %s: %s", fileName_.c_str(), qPrintable(refusal));
    return false;
  }
  Player().setSource(QUrl::fromLocalFile(path));
  if (!display_.empty()) {
    if (QVideoWidget* widget = owner_.Display(display_)) player_->setVideoOutput(widget);
  }
  return WaitForLoad(kLoadTimeoutMs);
}

void QtMediaPlayer::Close() {
  if (!player_) return;
  player_->stop();
  player_->setSource(QUrl());
}

bool QtMediaPlayer::Play() {
  if (!IsOpen()) return false;
  const qint64 length = player_->duration();
  if (player_->mediaStatus() == QMediaPlayer::EndOfMedia ||
      (length > 0 && player_->position() >= length)) {
    player_->setPosition(0);
  }
  player_->play();
  return !failed_;
}

void QtMediaPlayer::Stop() {
  if (IsOpen() && player_->playbackState() == QMediaPlayer::PlayingState) player_->pause();
}

void QtMediaPlayer::Rewind() {
  if (!IsOpen()) return;
  player_->pause();
  player_->setPosition(0);
}

void QtMediaPlayer::Step() {
  if (!IsOpen()) return;
  const qint64 length = player_->duration();
  qint64 position = player_->position();
  if (player_->mediaStatus() == QMediaPlayer::EndOfMedia || position >= length) position = 0;
  player_->setPosition(std::clamp<qint64>(position + length / 10, 0, std::max<qint64>(length, 0)));
}

void QtMediaPlayer::Back() {
  if (!IsOpen()) return;
  const qint64 length = player_->duration();
  player_->setPosition(
      std::clamp<qint64>(player_->position() - length / 10, 0, std::max<qint64>(length, 0)));
}

void QtMediaPlayer::Seek(std::int64_t position) {
  if (!IsOpen()) return;
  player_->setPosition(std::clamp<qint64>(position, 0, std::max<qint64>(player_->duration(), 0)));
}

std::int64_t QtMediaPlayer::Position() { return IsOpen() ? player_->position() : 0; }

std::int64_t QtMediaPlayer::Length() {
  return IsOpen() ? std::max<qint64>(player_->duration(), 0) : 0;
}

MediaMode QtMediaPlayer::Mode() {
  if (!IsOpen()) return MediaMode::NotReady;
  switch (player_->mediaStatus()) {
    case QMediaPlayer::LoadingMedia:
      return MediaMode::Open;
    case QMediaPlayer::StalledMedia:
      return MediaMode::Seeking;
    default:
      break;
  }
  // A pause halts at the position, as a stop of a file player does.
  return player_->playbackState() == QMediaPlayer::PlayingState ? MediaMode::Playing
                                                                : MediaMode::Stopped;
}

void QtMediaPlayer::SetDisplay(const std::string& control) { display_ = control; }

MediaPlayer& QtMediaPlayers::Get(const std::string& control) {
  auto& slot = players_[control];
  if (!slot) slot = std::make_unique<QtMediaPlayer>(*this);
  return *slot;
}

QtMediaPlayer* QtMediaPlayers::Find(const std::string& control) {
  const auto it = players_.find(control);
  return it == players_.end() ? nullptr : it->second.get();
}

void QtMediaPlayers::RegisterDisplay(const std::string& control,
                                     std::function<QVideoWidget*()> make) {
  displays_[control] = std::move(make);
}

QVideoWidget* QtMediaPlayers::Display(const std::string& control) const {
  const auto it = displays_.find(control);
  return it == displays_.end() || !it->second ? nullptr : it->second();
}

}  // namespace velmora::platform::qt
