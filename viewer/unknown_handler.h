#pragma once
// A handler name the core does not have is a fault of the viewer's wiring:
// it is reported on the standard error in the words velmora-cli replay
// traces it with, never ignored.

#include <QtGlobal>
#include <string>

namespace velmora::platform::qt {

inline void ReportUnknownHandler(const std::string& name) {
  qWarning("velmora: unknown handler %s", name.c_str());
}

}  // namespace velmora::platform::qt
