#pragma once
// Location and map links: a ready location picture or a generated location
// page in the location balloon, or the area's map picture large in the main
// browser; and the large-picture page that photographs use too.

#include <functional>
#include <string>

#include "pages/area_tables.h"
#include "pages/page_context.h"
#include "tables/table.h"

namespace velmora::pages {

inline constexpr const char* kLocationCaption = "Obrazek Lokalizacji";

// Template of the generated location page of a "p" name: national parks
// ("pn...") have their own.
std::string LocationTemplateFor(const std::string& key);

// The map picture of an area name ("rp12"): map directory + "mp-" + name + ".gif".
std::string MapPicturePath(const tables::ContentPaths& paths, const std::string& name);

using LocationTables = AreaTables;

// Where a location goes when it is shown in the balloon: a picture of the
// map directory, or a generated page of the working directory.
struct LocationBalloonHost {
  std::function<void(const std::string& picture)> showMap;
  std::function<void(const std::string& page)> showPage;
};

// What ShowLocation does with a location's key.
enum class LocationMode {
  TestForMap,  // only tells whether the map picture exists
  LargeMap,    // shows the map picture large in the main browser
  InBalloon,   // shows the location picture or page in the location balloon
};

class LocationPages {
 public:
  LocationPages(PageContext context, PageBuffer& buffer, platform::Browser& browser,
                LocationTables tables, LocationBalloonHost balloon)
      : context_(context),
        buffer_(buffer),
        browser_(browser),
        tables_(tables),
        balloon_(std::move(balloon)) {}

  // True when the location was shown in the balloon, or with TestForMap
  // when the map picture exists.
  bool ShowLocation(const std::string& name, LocationMode mode);
  // The category and record name of "rp"/"pk"/"ok" + key, else empty.
  std::string CategoryTitle(const std::string& name);
  void ShowLargePicture(const std::string& picturePath, const std::string& description,
                        const std::string& title);
  // A photograph of a "?sh" link ("f" or "m" + key + ".jpg") large, with its
  // description from the photograph table.
  void ShowPhoto(const std::string& pictureName);

 private:
  void ReplaceAll(const std::string& placeholder, const std::string& value) {
    ReplaceAllIn(buffer_, placeholder, value);
  }

  PageContext context_;
  PageBuffer& buffer_;
  platform::Browser& browser_;
  LocationTables tables_;
  LocationBalloonHost balloon_;
};

}  // namespace velmora::pages
