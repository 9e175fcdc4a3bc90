// Table layout and error output.
#include "tools/gatehost/report.h"

#include <algorithm>
#include <cstdio>

std::string formatTable(const std::vector<TableRow>& rows) {
  std::vector<size_t> widths;
  for (const TableRow& row : rows) {
    widths.resize(std::max(widths.size(), row.size()));
    for (size_t column = 0; column < row.size(); ++column)
      widths[column] = std::max(widths[column], row[column].size());
  }
  std::string text;
  for (const TableRow& row : rows) {
    std::string line;
    for (size_t column = 0; column < row.size(); ++column) {
      line += row[column];
      if (column + 1 < row.size()) line += std::string(widths[column] - row[column].size() + 2, ' ');
    }
    text += line + "\n";
  }
  return text;
}

int usageError(const std::string& message, const char* usage) {
  std::fprintf(stderr, "gatehost: %s\n%s", message.c_str(), usage);
  return 2;
}

int refusedRecord() {
  std::fputs("gatehost: the plug-in's main returned no record\n", stderr);
  return 1;
}

bool reportErrors(const std::vector<std::string>& errors, const char* usage) {
  for (const std::string& error : errors) std::fprintf(stderr, "gatehost: %s\n", error.c_str());
  if (!errors.empty()) std::fputs(usage, stderr);
  return !errors.empty();
}
