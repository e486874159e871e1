#pragma once
// Location and map links (TMainForm::ShowLocation, CategoryTitle): a ready
// location picture or a generated location page in the location balloon,
// or the area's map picture large in the main browser.

#include <string>

namespace velmora::pages {

inline constexpr const char* kLocationCaption = "Obrazek Lokalizacji";

// Template of the generated location page of a "p" name: national parks
// ("pn...") have their own.
std::string LocationTemplateFor(const std::string& key);

}  // namespace velmora::pages
