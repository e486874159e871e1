#pragma once
// Dictionary lookups: a key word of the general or the biotope dictionary
// turned into its HTML fragment (TMainForm::LookupDefinition).

#include <string>

namespace velmora::navigation {

// Marks a definition kept in the word's own ".dic" file.
inline constexpr const char* kDefinitionFileMarker = "<--file-->";
// Windows-1250: " - w słowniku brakuje definicji tego słowa!"
inline constexpr const char* kDefinitionMissing =
    " - w s\xB3owniku brakuje definicji tego s\xB3owa!";

// The lines of a text joined with nothing between them: every line end (CR
// LF, CR or LF) is dropped.
std::string JoinedLines(const std::string& text);

}  // namespace velmora::navigation
