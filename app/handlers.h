#pragma once
// The handler table lives with the platform interfaces, below every window.

#include "platform/handlers.h"

namespace velmora::app {

using platform::Handler;
using platform::HandlerTable;

}  // namespace velmora::app
