// The readout is drawn like the curve display above it: green text on the display's dark green.
#include "editor/readout_label.h"

#include "editor/display_colors.h"
#include "toolkit/graphics/pixmap.h"

namespace {

constexpr int32_t kTextFont = 3;

} // namespace

ReadoutLabel::ReadoutLabel(const Rect& size, Pixmap* backdrop)
    : ValueLabel(size, nullptr, 0), backdrop_(backdrop) {
  changeFillColor(kDisplayColor);
  changeEdgeColor(kDisplayColor);
  changeTextColor(kReadoutTextColor);
  changeFont(kTextFont);
  changeAlignment(alignLeft);
}

void ReadoutLabel::paint(Canvas* canvas) {
  if (text_.empty()) {
    // The text's outline takes the column right of the label and the row below it too: the hints give
    // those back as well, so nothing of the text stays behind.
    const Rect painted(size().left, size().top, size().right + 1, size().bottom + 1);
    if (backdrop_ != nullptr) backdrop_->drawOpaque(canvas, painted, Point(size().left, size().top));
    setShownValue(value());
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
