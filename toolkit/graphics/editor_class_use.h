// EditorClassUse: one use of the editor window class, which the first use alive registers and the last
// unregisters, so several editors of one library share it.
#pragma once

#include <cstdint>

#include "toolkit/graphics/native_types.h"

class EditorClassUse {
public:
  explicit EditorClassUse(WindowProcedure* windowProcedure);
  ~EditorClassUse();

  EditorClassUse(const EditorClassUse&) = delete;
  EditorClassUse& operator=(const EditorClassUse&) = delete;
};

const char* editorClassName();
// The uses alive in the module, from any thread.
int32_t classUseCount();
