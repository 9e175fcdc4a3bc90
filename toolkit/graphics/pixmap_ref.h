// PixmapRef: one counted reference to a shared Pixmap, given back when the holder goes, so no control
// pairs a retain with a release by hand.
#pragma once

#include <utility>

#include "toolkit/graphics/pixmap.h"

class PixmapRef {
public:
  PixmapRef() = default;
  // Shares the pixmap: takes a reference of its own (none for null).
  explicit PixmapRef(Pixmap* shared) : pixmap_(shared) {
    if (pixmap_ != nullptr) pixmap_->retain();
  }
  // Takes over the reference a new Pixmap starts with.
  static PixmapRef adopt(Pixmap* created) {
    PixmapRef ref;
    ref.pixmap_ = created;
    return ref;
  }

  PixmapRef(const PixmapRef& other) : PixmapRef(other.pixmap_) {}
  PixmapRef(PixmapRef&& other) noexcept : pixmap_(std::exchange(other.pixmap_, nullptr)) {}
  // By value: the new reference is taken before the old one is given back, so assigning a pixmap its own
  // holder already has cannot delete it.
  PixmapRef& operator=(PixmapRef other) noexcept {
    std::swap(pixmap_, other.pixmap_);
    return *this;
  }
  ~PixmapRef() { reset(); }

  void reset() {
    if (Pixmap* held = std::exchange(pixmap_, nullptr)) held->release();
  }

  Pixmap* get() const { return pixmap_; }
  operator Pixmap*() const { return pixmap_; }
  Pixmap* operator->() const { return pixmap_; }

private:
  Pixmap* pixmap_ = nullptr;
};
