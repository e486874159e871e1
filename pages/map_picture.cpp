// The map picture of a protected area: "mp-" + name + ".gif" in the map
// directory. Record pages ask for it to decide on their map block.

#include "app/main_form.h"

namespace velmora::app {

bool TMainForm::MapPictureExists(const std::string& name) {
  return files_.FileExists(paths.mapDir + "mp-" + name + ".gif");
}

}  // namespace velmora::app
