// The clipboard holds a global memory block the system owns once it is handed over.
#include "toolkit/graphics/clipboard.h"

#include <cstring>

#include "toolkit/graphics/native_handles.h"

namespace {

// Far beyond any text an editor puts there; a larger block is read only this far.
constexpr size_t kLongestRead = 1 << 16;

} // namespace

bool putClipboardText(HWND owner, const std::string& text) {
  OpenClipboardScope clipboard(owner);
  if (!clipboard.isOpen() || EmptyClipboard() == 0) return false;
  GlobalMemory block(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
  void* bytes = block ? GlobalLock(block.get()) : nullptr;
  if (bytes == nullptr) return false;
  std::memcpy(bytes, text.c_str(), text.size() + 1);
  GlobalUnlock(block.get());
  if (SetClipboardData(CF_TEXT, block.get()) == nullptr) return false;
  block.release();
  return true;
}

std::string clipboardText(HWND owner) {
  std::string text;
  OpenClipboardScope clipboard(owner);
  if (!clipboard.isOpen()) return text;
  if (HANDLE block = GetClipboardData(CF_TEXT)) {
    if (const auto* bytes = static_cast<const char*>(GlobalLock(block))) {
      const size_t size = GlobalSize(block);
      const size_t limit = size < kLongestRead ? size : kLongestRead;
      text.assign(bytes, strnlen(bytes, limit));
      GlobalUnlock(block);
    }
  }
  return text;
}
