// Table loading and the column accessor of the main window.
#include "app/main_form.h"
#include "app/startup_error.h"

namespace velmora::app {

void TMainForm::LoadCsvTable(tables::Table& table, int declaredColumns,
                             const std::string& fileName) {
  table.GrowColumns(declaredColumns);
  const std::string path = paths.tableDir + fileName;
  std::optional<std::string> bytes = files_.ReadFile(path);
  if (!bytes) throw StartupError("Cannot open file " + path);
  tables::ReadCsvText(table, *bytes);
}

std::string TMainForm::Dane(const tables::Table&, const std::string&, int, int) { return {}; }
std::string TMainForm::Dane(const tables::Table&, const std::string&, int, int, int&) { return {}; }
void TMainForm::ResolveSlidePictures() {}

}  // namespace velmora::app
