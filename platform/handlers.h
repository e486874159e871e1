#pragma once
// Event handlers of the windows by name, so that headless tools can raise
// them from a script ("MainForm.LMDSpeedButton16Click"). The argument is the
// rest of the script line, empty for handlers that take none.

#include <functional>
#include <map>
#include <string>

namespace velmora::platform {

using Handler = std::function<void(const std::string& argument)>;
using HandlerTable = std::map<std::string, Handler>;

}  // namespace velmora::platform
