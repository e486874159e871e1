#pragma once
// StartupError is raised where the tables are read; the program entry
// catches it under this name.

#include "tables/startup_error.h"

namespace velmora::app {

using tables::StartupError;

}  // namespace velmora::app
