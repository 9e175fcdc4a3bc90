// The program dump: every program's record, back to back, written so that a failure at any point leaves
// the previous dump as it was.
#pragma once

#include <cstddef>

#include "gate/program_record.h"

// Writes the records to a temporary file beside `path` ("<path>.tmp"), checks every step and then
// replaces `path` with it in one step. On failure the temporary file is removed and `path` is untouched.
// Answers whether the new dump is in place.
bool writeProgramDump(const char* path, const ProgramRecord* records, size_t count);
