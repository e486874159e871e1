#include "navigation/dictionary.h"

#include "app/main_form.h"

namespace velmora::navigation {

std::string JoinedLines(const std::string& text) {
  std::string joined;
  joined.reserve(text.size());
  for (char c : text) {
    if (c != '\r' && c != '\n') joined += c;
  }
  return joined;
}

}  // namespace velmora::navigation

namespace velmora::app {

std::string TMainForm::LookupDefinition(int kind, const std::string& word) {
  if (word.empty()) return {};
  if (kind == 1) {
    const std::string headword = Dane(SG_Dic, word, 2, 0);
    if (headword.empty()) return {};
    std::string definition = Dane(SG_Dic, word, 3, 0);
    if (definition.empty()) definition = navigation::kDefinitionMissing;
    if (definition.find(navigation::kDefinitionFileMarker) != std::string::npos) {
      // Read through the second page buffer, as the search reads pages. An
      // unreadable file must not leave the buffer's last page in the balloon.
      definition = RichEditSearch.LoadFromFile(paths.tableDir + word + ".dic")
                       ? navigation::JoinedLines(RichEditSearch.Text())
                       : navigation::kDefinitionMissing;
    }
    return "<b>" + headword + "</b>" + definition;
  }
  if (kind == 2) {
    const std::string name = Dane(SG_Bio, word, 2, 0);
    if (name.empty()) return {};
    std::string result = "<b>" + name + "</b>";
    const std::string latin = Dane(SG_Bio, word, 3, 0);
    if (!latin.empty()) result += " <i>" + latin + "</i>";
    const std::string note = Dane(SG_Bio, word, 7, 0);
    if (!note.empty()) result += " - " + note;
    return result;
  }
  return {};
}

}  // namespace velmora::app
