#pragma once
// Two rows of the link protocol that need no window of their own: a page's
// translation, and an animation program of the disc.

#include <string>

#include "pages/page_context.h"
#include "platform/system.h"
#include "tables/table.h"

namespace velmora::navigation {

// "?trans-" + page name: the numbered page of the translation table's row,
// when it exists.
void ShowTranslation(const pages::PageContext& context, platform::Browser& mainBrowser,
                     const tables::Table& translations, const std::string& page);

// "?anim" + name: the program of the animation directory; any other place,
// however the name climbs out of it ("../", links), is a missing file. A
// program that needs wine where there is none is not started; the user is
// told so the first time (`toldNeedsWine` remembers it for the run).
void StartAnimation(const pages::PageContext& context, platform::Processes& processes,
                    platform::Shell& shell, const std::string& program, bool& toldNeedsWine);

}  // namespace velmora::navigation
