#pragma once
// The core's Windows-1250 texts (messages, captions, paths, addresses) as Qt
// strings: the one conversion the Qt side makes of them.

#include <QString>
#include <string>

#include "platform/codepage.h"

namespace velmora::platform::qt {

inline QString FromWin1250(const std::string& text) {
  return QString::fromStdString(Win1250ToUtf8(text));
}

}  // namespace velmora::platform::qt
