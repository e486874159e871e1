#pragma once
// Texts of the record pages: messages and the ECONET type suffixes
// (Windows-1250; the suffixes use no letter on which it differs from the
// pages' ISO-8859-2).

namespace velmora::pages::record_texts {

inline constexpr const char* kCaption = "Make Dynamic Error";
// Followed by the kind marker.
inline constexpr const char* kUnknownLink = "Nieznany link: ";
// Followed by the kind number, which is 0 for a marker of no kind.
inline constexpr const char* kCannotHappen = "Nie ma prawa si\xEA wydarzy\xE6: ";

// By the last character of an ECONET key.
inline constexpr const char* kNationalNode = " - Krajowy obszar w\xEAz\xB3owy ";
inline constexpr const char* kInternationalNode =
    " - Mi\xEA"
    "dzynarodowy obszar w\xEAz\xB3owy ";
inline constexpr const char* kNationalCorridor = " - Krajowy korytarz ekologiczny ";
inline constexpr const char* kInternationalCorridor =
    " - Mi\xEA"
    "dzynarodowy korytarz ekologiczny ";

// The photograph strip: the row start, then one thumbnail link per picture.
inline constexpr const char* kPhotoRowStart =
    "<TR VALIGN=TOP><TD WIDTH=165 ALIGN=right><P ALIGN=right><FONT COLOR=\"#4c4c4c\">"
    "fotografie:</FONT></P></TD><TD></TD><TD WIDTH=441><P>";
inline constexpr const char* kThumbnailLinkStart = "<A HREF=http://db?sh";
inline constexpr const char* kThumbnailSourceStart = "><IMG SRC=\"";
inline constexpr const char* kThumbnailEnd =
    "\" ALIGN=BOTTOM HEIGHT=50 BORDER=1 HSPACE=2 VSPACE=2></a>";

}  // namespace velmora::pages::record_texts
