// Printing helpers shared by the commands: aligned tables and error reports.
#pragma once

#include <string>
#include <vector>

using TableRow = std::vector<std::string>;

// Columns padded to their widest cell, separated by two blanks; the first row is the heading.
std::string formatTable(const std::vector<TableRow>& rows);
// Prints "gatehost: <message>" to standard error and answers exit code 2.
int usageError(const std::string& message, const char* usage);
// Reports a plug-in whose `main` returned no record; answers exit code 1.
int refusedRecord();
// Prints every collected error; answers true when there was one.
bool reportErrors(const std::vector<std::string>& errors, const char* usage);
