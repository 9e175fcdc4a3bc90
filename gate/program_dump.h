// The program dump: every program's record, back to back, written so that a failure at any point leaves
// the previous dump as it was.
#pragma once

#include <cstddef>

#include "gate/program_record.h"

// Puts the file `from` in the place of `to` in one step, replacing a file there; true when done.
using FileReplacer = bool (*)(const char* from, const char* to);

// The C library's rename, which replaces in one step on POSIX systems. Windows' C library refuses to
// replace an existing file, so a Windows build hands the effect the platform's own replacer.
bool renameOver(const char* from, const char* to);

// Writes the records to a temporary file beside `path` ("<path>.tmp"), checks every step and then puts it
// in the place of `path` with `replace`. On failure a temporary file it made is removed and `path` is
// untouched. Answers whether the new dump is in place.
bool writeProgramDump(const char* path, const ProgramRecord* records, size_t count, FileReplacer replace);
