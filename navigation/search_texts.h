#pragma once
// Texts of the full-text search.

namespace velmora::navigation::search_texts {

// "Nie wprowadzono tekstu do wyszukiwania."
inline constexpr const char* kNoText = "Nie wprowadzono tekstu do wyszukiwania.";
inline constexpr const char* kNoTextCaption = "Informacja";

// The header around the word. The third piece is kept in ISO-8859-2: its
// "ś" and "ą" are the ISO bytes.
inline constexpr const char* kHeaderStart =
    "<h3>Rezultaty wyszukiwania s\xB3owa: <u><font color=#000000> ";
inline constexpr const char* kHeaderEnd =
    " </u></font></h3><hr><b>Je\xB6li has\xB3o znajduje si\xEA w tek\xB6"
    "cie, na kt\xF3rej\xB6 ze stron, wybieramy j\xB1. Nast\xEApnie otwieramy okienko "
    "wyszukiwania przyciskaj\xB1"
    "c kombinacj\xEA klawiszy <i>Ctrl+F</i> i wpisujemy tam szukane has\xB3o.</b><hr><br>"
    "\r\n<!--@opis@-->";
inline constexpr const char* kPlaceholder = "<!--@opis@-->";
// After each result, which goes in front of the placeholder.
inline constexpr const char* kBreak = "<br><br>\r\n";

}  // namespace velmora::navigation::search_texts
