// Here rather than in the portable gate: Windows' C library renames only onto a free name, and the C++
// library's replacing rename would bring its whole file system support into the plug-in (about 820 KB).
#include "plugin/file_replacement.h"

#include <windows.h>

// Write-through: the call returns once the new dump is on the disk, not only in the cache.
bool replaceFileInOneStep(const char* from, const char* to) {
  return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
