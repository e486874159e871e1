#include "navigation/dictionary.h"

namespace velmora::navigation {

std::string JoinedLines(const std::string& text) {
  std::string joined;
  joined.reserve(text.size());
  for (char c : text) {
    if (c != '\r' && c != '\n') joined += c;
  }
  return joined;
}

std::string DictionaryLookup::LookupDefinition(DefinitionKind kind, const std::string& word) {
  if (word.empty()) return {};
  if (kind == DefinitionKind::Dictionary) {
    const std::string headword = context_.columns.Dane(dictionary_, word, 2, 0);
    if (headword.empty()) return {};
    std::string definition = context_.columns.Dane(dictionary_, word, 3, 0);
    if (definition.empty()) definition = kDefinitionMissing;
    if (definition.find(kDefinitionFileMarker) != std::string::npos) {
      // Read through the second page buffer, as the search reads pages. An
      // unreadable file must not leave the buffer's last page in the balloon.
      definition = buffer_.LoadFromFile(context_.paths.tableDir + word + ".dic")
                       ? JoinedLines(buffer_.Text())
                       : kDefinitionMissing;
    }
    return "<b>" + headword + "</b>" + definition;
  }
  if (kind == DefinitionKind::Biotope) {
    const std::string name = context_.columns.Dane(biotopes_, word, 2, 0);
    if (name.empty()) return {};
    std::string result = "<b>" + name + "</b>";
    const std::string latin = context_.columns.Dane(biotopes_, word, 3, 0);
    if (!latin.empty()) result += " <i>" + latin + "</i>";
    const std::string note = context_.columns.Dane(biotopes_, word, 7, 0);
    if (!note.empty()) result += " - " + note;
    return result;
  }
  return {};
}

}  // namespace velmora::navigation
