// The clipboard holds a global memory block the system owns once it is handed over.
#include "toolkit/graphics/clipboard.h"

#include <cstring>

namespace {

// Far beyond any text an editor puts there; a larger block is read only this far.
constexpr size_t kLongestRead = 1 << 16;

} // namespace

bool putClipboardText(HWND owner, const std::string& text) {
  if (OpenClipboard(owner) == 0) return false;
  bool handedOver = false;
  if (EmptyClipboard() != 0) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (void* bytes = block != nullptr ? GlobalLock(block) : nullptr) {
      std::memcpy(bytes, text.c_str(), text.size() + 1);
      GlobalUnlock(block);
      handedOver = SetClipboardData(CF_TEXT, block) != nullptr;
    }
    if (!handedOver && block != nullptr) GlobalFree(block);
  }
  CloseClipboard();
  return handedOver;
}

std::string clipboardText(HWND owner) {
  std::string text;
  if (OpenClipboard(owner) == 0) return text;
  if (HANDLE block = GetClipboardData(CF_TEXT)) {
    if (const auto* bytes = static_cast<const char*>(GlobalLock(block))) {
      const size_t size = GlobalSize(block);
      const size_t limit = size < kLongestRead ? size : kLongestRead;
      text.assign(bytes, strnlen(bytes, limit));
      GlobalUnlock(block);
    }
  }
  CloseClipboard();
  return text;
}
