#include "viewer/desktop_hand_off.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QSocketNotifier>
#include <QTimer>

#include "viewer/desktop_broker.h"

namespace velmora::platform::qt {
namespace {

std::function<void(const QUrl&)>& Receiver() {
  static std::function<void(const QUrl&)> receiver;
  return receiver;
}

std::function<void(const QUrl&)>& Teller() {
  static std::function<void(const QUrl&)> tell;
  return tell;
}

void TellUnopened(const QUrl& url) {
  if (const auto& tell = Teller()) tell(url);
}

// The broker's answers, watched from the first hand-off on.
void WatchBrokerAnswers() {
  static QSocketNotifier* watch = nullptr;
  const int socket = DesktopBroker::AnswerSocket();
  if (watch || socket < 0 || !QCoreApplication::instance()) return;
  watch = new QSocketNotifier(socket, QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(watch, &QSocketNotifier::activated, watch, [] {
    for (const std::string& unopened : DesktopBroker::TakeUnopened()) {
      if (unopened.empty()) {
        // The broker has ended: nothing more will come.
        watch->setEnabled(false);
        return;
      }
      TellUnopened(QUrl::fromEncoded(QByteArray::fromStdString(unopened)));
    }
  });
}

}  // namespace

void HandOffToDesktop(const QUrl& url) {
  if (const auto& receiver = Receiver()) {
    receiver(url);
    return;
  }
  // From the broker outside the viewer's network namespace, where the
  // desktop's programs can reach the network; in-process only without one.
  WatchBrokerAnswers();
  if (DesktopBroker::Open(url.toEncoded().toStdString())) return;
  if (!QDesktopServices::openUrl(url)) {
    // After the click's own work, as the broker's answer would come.
    QTimer::singleShot(0, QCoreApplication::instance(), [url] { TellUnopened(url); });
  }
}

void TellUnopenedWith(std::function<void(const QUrl&)> tell) { Teller() = std::move(tell); }

void ReceiveHandOffsWith(std::function<void(const QUrl&)> receiver) {
  Receiver() = std::move(receiver);
}

}  // namespace velmora::platform::qt
