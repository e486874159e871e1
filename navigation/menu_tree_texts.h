#pragma once
// Messages of the menu definition, menu pages and contents tree
// (Windows-1250).

namespace velmora::navigation::menu_tree_texts {

inline constexpr const char* kMenuCaption = "Wczytywanie Menu";
inline constexpr const char* kTreeCaption = "LoadDaneDrzewa1";
// Followed by the last line's index number.
inline constexpr const char* kTreeTooSmall =
    "Warto\x9C\xE6 iloscElemDrzewa za ma\xB3"
    "a: ";
inline constexpr const char* kCannotOpen = "Nie mo\xBFna otworzy\xE6 pliku: ";
// Followed by the template path.
inline constexpr const char* kMissingTemplate = "Brak pliku menu: ";
inline constexpr const char* kGenerateCaption = "Generuj stron\xEA";
// Caption of "Brak pliku: " when the written menu page is missing.
inline constexpr const char* kMissingFileCaption = "Duza mapa";
// The caption carries the words, the text names the node.
inline constexpr const char* kNoPageCaption = "Brakuje opisu strony o indeksie: ";
inline constexpr const char* kMemoHeading = "----------typMenu[]------------";

}  // namespace velmora::navigation::menu_tree_texts
