// EditLog: recording a report and repainting as the gate editor does.
#include "tests/toolkit/controls/edit_log.h"

#include "toolkit/controls/value_widget.h"

void EditLog::controlEdited(Canvas* canvas, ValueWidget* control) {
  edits_.push_back(Edit{control->tag(), control->value()});
  if (onEdit) onEdit(canvas, control);
  if (repaint_ == Repaint::catchUp) control->refreshIfChanged(canvas);
}

std::vector<float> EditLog::values() const {
  std::vector<float> values;
  for (const Edit& edit : edits_) values.push_back(edit.value);
  return values;
}
