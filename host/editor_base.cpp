// EditorBase's defaults: no rectangle, no window, pending updates served at idle.
#include "host/editor_base.h"

int32_t EditorBase::queryRect(EditorRect** rect) {
  if (rect != nullptr) *rect = nullptr;
  return 0;
}

int32_t EditorBase::openIn(void* window) {
  parentWindow_ = window;
  return 0;
}

void EditorBase::onIdle() {
  if (updatePending_.load(std::memory_order_relaxed) != 0) {
    updatePending_.store(0, std::memory_order_relaxed);
    applyUpdate();
  }
}
