// TextField: a label showing a text which the user edits in a native edit box opened over the field;
// Enter or the box losing the focus takes the typed text and reports it when it changed.
#pragma once

#include <cstdint>
#include <optional>

#include "toolkit/controls/value_label.h"
#include "toolkit/graphics/native_types.h"

// Writes the text to show for a field's text into a buffer of kLabelTextCapacity bytes that holds an
// empty string.
using TextFilter = void (*)(const char* text, char* shown);

class TextField : public ValueLabel {
public:
  // A null text starts the field empty; a longer text than the field holds is cut to 255 bytes.
  TextField(const Rect& size, ValueListener* listener, int32_t tag, const char* text, Pixmap* background,
            int32_t style);
  // An edit box still open is closed without a report: the field's owner is discarding it.
  ~TextField() override;

  void paint(Canvas* canvas) override;
  // A plain left press starts editing, unless the field is editing already.
  void mousePressed(Canvas* canvas, Point& point) override;
  // Closes the edit box, takes its text and tells the listener if the text changed. Does nothing
  // while not editing, so however often it is reached for one edit, it reports at most once.
  void dropFocus() override;
  // Opens the edit box over the field with the keyboard focus in it.
  void gainFocus() override;

  // Ignores null; the next refresh shows the new text.
  virtual void assignText(const char* text);
  // buffer must hold kLabelTextCapacity bytes; null is ignored.
  virtual void copyText(char* buffer) const;
  virtual void installTextFilter(TextFilter filter);

  // Null while not editing.
  HWND editBox() const { return editBox_.get(); }

private:
  // Finds the field from the box's user data.
  static WindowProcedure editProcedure;
  void closeEditBox(bool destroyBox);
  void boxDestroyedElsewhere();
  void finishEdit(const char* before);

  // While editing; declared in the order that lets each go before what it uses: the procedure first,
  // then the box, then its font.
  FontHandle editFont_;
  WindowHandle editBox_;
  std::optional<WindowSubclass> boxProcedure_;
  char text_[kLabelTextCapacity];
  TextFilter filter_ = nullptr;
};
