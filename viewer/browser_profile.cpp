#include "viewer/browser_profile.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

#include "viewer/request_guard.h"

namespace velmora::platform::qt {

QWebEngineProfile* ViewerProfile() {
  static QWebEngineProfile* profile = [] {
    // No storage name: nothing of it is kept on disk.
    auto* created = new QWebEngineProfile(QCoreApplication::instance());
    created->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    created->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    // Off the record, the engine still makes directories for the profile,
    // by default in the home directory: they go to a private temporary
    // directory removed at the end.
    static QTemporaryDir storage(QDir::tempPath() + QStringLiteral("/velmora-engine-XXXXXX"));
    if (storage.isValid()) {
      created->setPersistentStoragePath(storage.path());
      created->setCachePath(storage.path());
    } else {
      qWarning("velmora: no temporary directory for the browser engine: %s",
               qPrintable(storage.errorString()));
    }
    QWebEngineSettings* settings = created->settings();
    // Pages show pictures of other directories of the disc (Data/ shows
    // Foto/), which the engine allows a local page only with this setting;
    // which files may load, and that scripts read none, the guard decides.
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
    // The disc's pages are ISO-8859-2, and older ones do not declare it.
    settings->setDefaultTextEncoding(QStringLiteral("ISO-8859-2"));
    // A scheme the engine does not load (mailto:) is asked about only when
    // the user's gesture started it; without this the engine drops a
    // clicked mail link before asking. The browser never lets the engine
    // hand it to the desktop itself (QtBrowser::AcceptNavigation).
    settings->setUnknownUrlSchemePolicy(
        QWebEngineSettings::AllowUnknownUrlSchemesFromUserInteraction);
    static RequestGuard guard;
    created->setUrlRequestInterceptor(&guard);
    return created;
  }();
  return profile;
}

}  // namespace velmora::platform::qt
