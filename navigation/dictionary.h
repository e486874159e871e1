#pragma once
// Dictionary lookups: a key word of the general or the biotope dictionary
// turned into its HTML fragment.

#include <string>

#include "pages/page_context.h"
#include "tables/table.h"

namespace velmora::navigation {

// Marks a definition kept in the word's own ".dic" file.
inline constexpr const char* kDefinitionFileMarker = "<--file-->";
// Windows-1250: " - w słowniku brakuje definicji tego słowa!"
inline constexpr const char* kDefinitionMissing =
    " - w s\xB3owniku brakuje definicji tego s\xB3owa!";

// The lines of a text joined with nothing between them: every line end (CR
// LF, CR or LF) is dropped.
std::string JoinedLines(const std::string& text);

// The two dictionaries: the general one (DICT.CSV, "?dic" links) and the
// biotopes (BIOTOP.CSV, "?bio" links).
enum class DefinitionKind { Dictionary, Biotope };

class DictionaryLookup {
 public:
  // Definition files are read through the page buffer, as the search reads
  // pages.
  DictionaryLookup(pages::PageContext context, pages::PageBuffer& buffer,
                   const tables::Table& dictionary, const tables::Table& biotopes)
      : context_(context), buffer_(buffer), dictionary_(dictionary), biotopes_(biotopes) {}

  // Empty when the word has no entry.
  std::string LookupDefinition(DefinitionKind kind, const std::string& word);

 private:
  pages::PageContext context_;
  pages::PageBuffer& buffer_;
  const tables::Table& dictionary_;
  const tables::Table& biotopes_;
};

}  // namespace velmora::navigation
