#include "cli/table_command.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "cli/command_help.h"
#include "platform/codepage.h"
#include "tables/catalogue.h"
#include "tables/table.h"

namespace velmora::cli {
namespace {

// Padding every row to the column count makes huge counts useless to print.
constexpr int kMaxDeclaredColumns = 100000;

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return bytes;
}

// A JSON string of an ISO-8859-2 cell. Controls, C1 controls included, are
// written as \u00XX so that binary cells stay readable and valid.
void WriteJsonString(std::ostream& out, const std::string& iso) {
  std::string plain;
  auto flush = [&] {
    out << platform::Iso88592ToUtf8(plain);
    plain.clear();
  };
  out << '"';
  for (char c : iso) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      flush();
      out << '\\' << c;
    } else if (byte < 0x20 || (byte >= 0x7F && byte <= 0x9F)) {
      static constexpr char kHex[] = "0123456789abcdef";
      flush();
      out << "\\u00" << kHex[byte >> 4] << kHex[byte & 0xF];
    } else {
      plain += c;
    }
  }
  flush();
  out << '"';
}

void WriteTable(std::ostream& out, const tables::Table& table) {
  out << "{\"columnCount\":" << table.ColumnCount() << ",\"rowCount\":" << table.RowCount()
      << ",\"rows\":[";
  for (int row = 0; row < table.RowCount(); ++row) {
    if (row > 0) out << ',';
    out << '[';
    for (int column = 0; column < table.ColumnCount(); ++column) {
      if (column > 0) out << ',';
      WriteJsonString(out, std::string(table.Cell(column, row)));
    }
    out << ']';
  }
  out << "]}\n";
}

std::optional<int> ParseColumns(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || value < 0 || value > kMaxDeclaredColumns) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

int RunTableCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::optional<std::string> file;
  std::optional<int> columns;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--columns") {
      if (i + 1 == args.size() || !(columns = ParseColumns(args[i + 1]))) {
        err << "velmora-cli table: --columns needs a whole number from 0 to " << kMaxDeclaredColumns
            << "\n"
            << *CommandUsage("table");
        return 2;
      }
      ++i;
    } else if (!file && (args[i].empty() || args[i][0] != '-')) {
      file = args[i];
    } else {
      err << "velmora-cli table: unexpected argument: " << args[i] << "\n"
          << *CommandUsage("table");
      return 2;
    }
  }
  if (!file) {
    err << *CommandUsage("table");
    return 2;
  }

  const std::optional<std::string> bytes = ReadWholeFile(*file);
  if (!bytes) {
    err << "velmora-cli table: cannot read file: " << *file << "\n";
    return 1;
  }
  const std::string baseName = std::filesystem::path(*file).filename().string();
  tables::Table table(baseName, columns ? *columns : tables::DeclaredColumnsFor(baseName));
  tables::ReadCsvText(table, *bytes);
  WriteTable(out, table);
  out.flush();
  return out ? 0 : 1;
}

}  // namespace velmora::cli
