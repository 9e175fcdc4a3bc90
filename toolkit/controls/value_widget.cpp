// ValueWidget: the refresh on change and the throttled refresh request.
#include "toolkit/controls/value_widget.h"

#include "toolkit/graphics/root_view.h"

void ValueWidget::refreshIfChanged(Canvas* canvas) {
  if (value_ == shownValue_) return;
  paint(canvas);
  shownValue_ = value_;
}

void ValueWidget::requestRefresh() {
  if (parent() != nullptr) parent()->throttledIdle();
}
