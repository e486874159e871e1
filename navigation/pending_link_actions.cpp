// Link actions whose windows and page kinds are still being built. Each one
// moves to its own file as it is completed; until then it does the least
// that keeps the program consistent.

#include "app/main_form.h"

namespace velmora::app {

void TMainForm::ShowLocation(const std::string&, int) {}

void TMainForm::ShowLargePicture(const std::string&, const std::string&, const std::string&) {}

std::string TMainForm::LookupDefinition(int, const std::string&) { return {}; }

void TMainForm::PlaceBalloon(int) {}

void TMainForm::ShowDefinition(int, const std::string&, const std::string&) {}

}  // namespace velmora::app
