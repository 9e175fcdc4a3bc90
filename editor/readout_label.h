// ReadoutLabel: the strip at the bottom of the editor that names the control under the pointer and its
// value as the host shows it, and shows the editor's own hints when there is nothing to read out.
#pragma once

#include <string>

#include "toolkit/controls/value_label.h"
#include "toolkit/graphics/pixmap_ref.h"

class ReadoutLabel : public ValueLabel {
public:
  // The hints are the part of `backdrop` under the label.
  ReadoutLabel(const Rect& size, Pixmap* backdrop);

  void paint(Canvas* canvas) override;
  // An empty text brings the hints back. Repaints at once when the text changes.
  void show(const std::string& text);
  const std::string& text() const { return text_; }

private:
  PixmapRef backdrop_;
  std::string text_;
};
