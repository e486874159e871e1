#pragma once
// The main window's content paths are the tables' ContentPaths.

#include "tables/content_paths.h"

namespace velmora::app {

using tables::ContentPaths;

}  // namespace velmora::app
