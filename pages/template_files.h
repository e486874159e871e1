#pragma once
// The template files of the template directory the pages are made from,
// named once for the page kinds and for `check`.

namespace velmora::pages::template_files {

inline constexpr const char* kReserve = "rp.html";
inline constexpr const char* kPark = "pk.html";
inline constexpr const char* kLandscape = "OCHK.html";
inline constexpr const char* kEconet = "econet.html";
inline constexpr const char* kNationalParkLocation = "pn_loc.html";
inline constexpr const char* kParkLocation = "pk_loc.html";
// Photographs, maps and location pictures, large or in a balloon.
inline constexpr const char* kPicture = "chmurka.html";
inline constexpr const char* kDefinition = "dict.html";
inline constexpr const char* kSearch = "search.html";
inline constexpr const char* kSlide = "slide.html";
inline constexpr const char* kSlideDescription = "opis.html";
inline constexpr const char* kTitle = "title.html";

}  // namespace velmora::pages::template_files
