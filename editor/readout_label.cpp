// The readout is drawn like the curve display above it: green text on the display's dark green.
#include "editor/readout_label.h"

#include "toolkit/graphics/pixmap.h"

namespace {

const Color kDisplayColor{7, 41, 25, 0};
const Color kTextColor{84, 232, 128, 0};
constexpr int32_t kTextFont = 3;

} // namespace

ReadoutLabel::ReadoutLabel(const Rect& size, Pixmap* backdrop)
    : ValueLabel(size, nullptr, 0), backdrop_(backdrop) {
  changeFillColor(kDisplayColor);
  changeEdgeColor(kDisplayColor);
  changeTextColor(kTextColor);
  changeFont(kTextFont);
  changeAlignment(alignLeft);
}

void ReadoutLabel::paint(Canvas* canvas) {
  if (text_.empty()) {
    if (backdrop_ != nullptr) backdrop_->drawOpaque(canvas, size_, Point(size_.left, size_.top));
    shownValue_ = value_;
    return;
  }
  // A blank in front keeps the text off the strip's edge.
  paintText(canvas, (" " + text_).c_str(), nullptr);
}

void ReadoutLabel::show(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  redrawNow();
}
