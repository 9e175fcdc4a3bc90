// ChoiceMenu: a label showing one of up to 128 entries, which the user picks from a native popup menu
// opened by a press on it. An entry whose text is "-" is a separator.
#pragma once

#include <cstdint>
#include <memory>

#include "toolkit/controls/value_label.h"
#include "toolkit/graphics/native_types.h"
#include "toolkit/graphics/pixmap_ref.h"

class ChoiceMenu : public ValueLabel {
public:
  static constexpr int32_t kMaxItems = 128;

  // pressedLook (may be null) is shown instead of the background while the menu is open.
  ChoiceMenu(const Rect& size, ValueListener* listener, int32_t tag, Pixmap* background, Pixmap* pressedLook,
             int32_t style);

  // The current entry's text; empty when there is none.
  void paint(Canvas* canvas) override;
  // A plain left press runs the menu.
  void mousePressed(Canvas* canvas, Point& point) override;
  // Runs the popup menu until it closes; a choice becomes current and is reported, even when it was the
  // current entry already.
  void gainFocus() override;

  // False when the list is full. A negative index, or one past the end, appends; otherwise the entries
  // from index on move up, and so does the current index if it was among them. Null adds an empty entry.
  // The first entry added becomes current.
  virtual bool insertItem(const char* text, int32_t index);
  // -1 when there is no current entry; otherwise its index, and its text in buffer (when not null).
  virtual int32_t selectedItem(char* buffer) const;
  // False for an index outside the list or a separator.
  virtual bool selectItem(int32_t index);
  virtual bool itemText(int32_t index, char* buffer) const;
  // Removing the current entry makes the one before it current (none, when it was the first).
  virtual bool deleteItem(int32_t index);
  virtual bool clearItems();
  virtual int32_t itemCount() const;

private:
  bool holds(int32_t index) const { return index >= 0 && index < count_; }
  bool isSeparator(int32_t index) const;
  const char* currentText() const;
  int32_t runMenu(HWND window);

  std::unique_ptr<char[]> items_[kMaxItems];
  int32_t count_ = 0;
  int32_t current_ = -1;
  PixmapRef pressedLook_;
};
