#pragma once
// The one browser profile all browsers of the viewer share, and every
// setting the engine is given for the disc's pages: off the record (no disk
// cache, cookies or storage in the home directory), local pages unable to
// reach remote addresses, and every request judged by the RequestGuard:
// local files only under the allowed directories, and none read by a script. Shared, so that a
// further browser costs little memory and starts fast.

class QWebEngineProfile;

namespace velmora::platform::qt {

// Created on first use, after the application object.
QWebEngineProfile* ViewerProfile();

}  // namespace velmora::platform::qt
