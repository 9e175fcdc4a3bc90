// The program dump through a temporary file: writing the dump in place once emptied the only copy of a
// musician's programs whenever the disk was full or a write failed.
#include "gate/program_dump.h"

#include <cstdio>
#include <filesystem>
#include <mutex>
#include <string>
#include <system_error>

namespace {

// Effects destroyed on several threads at once share the temporary name.
std::mutex dumpLock;

} // namespace

bool writeProgramDump(const char* path, const ProgramRecord* records, size_t count) {
  try {
    const std::lock_guard<std::mutex> hold(dumpLock);
    const std::string temporary = std::string(path) + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(records, sizeof(ProgramRecord), count, file) == count;
    // The close flushes the buffer: a full disk often shows only here.
    const bool closed = std::fclose(file) == 0;
    std::error_code error;
    if (written && closed) {
      // Replaces an existing file in one step: rename(2), and MoveFileExW with MOVEFILE_REPLACE_EXISTING
      // on Windows.
      std::filesystem::rename(temporary, path, error);
      if (!error) return true;
    }
    std::filesystem::remove(temporary, error);
    return false;
  } catch (...) {
    // Called from a destructor: nothing may escape, and the old dump is still in place.
    return false;
  }
}
