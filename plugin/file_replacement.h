// The platform's one-step replacement of a file, for the program dump.
#pragma once

// MoveFileEx replacing an existing file; true when done.
bool replaceFileInOneStep(const char* from, const char* to);
