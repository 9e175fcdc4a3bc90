// The program dump through a temporary file: writing the dump in place once emptied the only copy of a
// musician's programs whenever the disk was full or a write failed.
#include "gate/program_dump.h"

#include <cstdio>
#include <mutex>
#include <string>

namespace {

// Effects destroyed on several threads at once share the temporary name.
std::mutex dumpLock;

} // namespace

bool renameOver(const char* from, const char* to) { return std::rename(from, to) == 0; }

bool writeProgramDump(const char* path, const ProgramRecord* records, size_t count, FileReplacer replace) {
  try {
    const std::lock_guard<std::mutex> hold(dumpLock);
    const std::string temporary = std::string(path) + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(records, sizeof(ProgramRecord), count, file) == count;
    // The close flushes the buffer: a full disk often shows only here.
    const bool closed = std::fclose(file) == 0;
    if (written && closed && replace(temporary.c_str(), path)) return true;
    std::remove(temporary.c_str());
    return false;
  } catch (...) {
    // Called from a destructor: nothing may escape, and the old dump is still in place.
    return false;
  }
}
