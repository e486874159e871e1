#include "viewer/engine_start.h"

#include <QByteArray>
#include <QCoreApplication>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace velmora::platform::qt {

namespace {

void AddFlag(QByteArray& flags, const QByteArray& flag) {
  if (flags.contains(flag)) return;
  if (!flags.isEmpty()) flags += ' ';
  flags += flag;
}

}  // namespace

void PrepareEngineFlags() {
  QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  // Every page the viewer shows is a local file, of one site: the main page,
  // the title strip, the menu and the balloons share one renderer process
  // instead of taking one each.
  AddFlag(flags, "--process-per-site");
  // The pages are plain documents of a disc: the engine's smaller caches and
  // leaner script heaps of its low-memory mode save a tenth of the
  // renderer's memory over a session and change nothing on screen.
  AddFlag(flags, "--enable-low-end-device-mode");
  // A second line behind the viewer's own network namespace: WebRTC sends
  // nothing but through a proxy, the proxy is nowhere (loopback included),
  // and QUIC is off.
  AddFlag(flags, "--force-webrtc-ip-handling-policy");
  AddFlag(flags, "--webrtc-ip-handling-policy=disable_non_proxied_udp");
  AddFlag(flags, "--proxy-server=socks5://127.0.0.1:9");
  AddFlag(flags, "--proxy-bypass-list=<-loopback>");
  AddFlag(flags, "--disable-quic");
  AddFlag(flags, "--disable-background-networking");
  // Nothing of the engine is kept in the home directory.
  AddFlag(flags, "--disable-gpu-shader-disk-cache");
#ifdef Q_OS_UNIX
  // The engine's sandbox refuses to run as root.
  if (geteuid() == 0) AddFlag(flags, "--no-sandbox");
#endif
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
}

std::vector<const char*> EngineArguments() {
  // No host name resolves, so no query for one is sent.
  return {"--host-resolver-rules=MAP * ~NOTFOUND"};
}

void KeepShaderCachesOffDisk() {
  // Qt's own cache of compiled shaders ("qtshadercache" in ~/.cache).
  QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
  // The graphics drivers' (Mesa's in ~/.cache, NVIDIA's in ~/.nv), unless
  // the user has chosen otherwise.
  if (!qEnvironmentVariableIsSet("MESA_SHADER_CACHE_DISABLE")) {
    qputenv("MESA_SHADER_CACHE_DISABLE", "true");
  }
  if (!qEnvironmentVariableIsSet("__GL_SHADER_DISK_CACHE")) qputenv("__GL_SHADER_DISK_CACHE", "0");
}

}  // namespace velmora::platform::qt
