// Link actions whose windows and page kinds are still being built. Each one
// moves to its own file as it is completed; until then it does the least
// that keeps the program consistent.

#include "app/main_form.h"

namespace velmora::app {

void TMainForm::ShowSlideShow(const std::string&) {}

void TMainForm::ShowMovie(const std::string&) {}

}  // namespace velmora::app
