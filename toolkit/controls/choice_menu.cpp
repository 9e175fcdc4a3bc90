// ChoiceMenu: the entry list and its current-index rules, and the popup menu of the list run from a press.
#include "toolkit/controls/choice_menu.h"

#include <cstring>
#include <utility>
#include <vector>

#include "toolkit/controls/control_common.h"
#include "toolkit/controls/popup_menu.h"
#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/native_handles.h"
#include "toolkit/graphics/pixmap.h"
#include "toolkit/graphics/root_view.h"

ChoiceMenu::ChoiceMenu(const Rect& size, ValueListener* listener, int32_t tag, Pixmap* background,
                       Pixmap* pressedLook, int32_t style)
    : ValueLabel(size, listener, tag, background, style), pressedLook_(pressedLook) {}

bool ChoiceMenu::isSeparator(int32_t index) const { return std::strcmp(items_[index].get(), "-") == 0; }

const char* ChoiceMenu::currentText() const { return holds(current_) ? items_[current_].get() : ""; }

void ChoiceMenu::paint(Canvas* canvas) { paintText(canvas, currentText(), nullptr); }

void ChoiceMenu::mousePressed(Canvas* canvas, Point&) {
  if (!isClickable() || canvas->buttonState() != leftButton) return;
  RootView* root = parent();
  if (root == nullptr) return;
  if (pressedLook_ != nullptr) paintText(canvas, currentText(), pressedLook_);
  root->setEditingWidget(this);
  gainFocus();
}

void ChoiceMenu::gainFocus() {
  RootView* root = parent();
  HWND window = root != nullptr ? root->windowHandle() : nullptr;
  if (window == nullptr) return;
  const int32_t chosen = runMenu(window);
  // The host closed the view while its menu ran: nothing is chosen, nothing drawn.
  if (!root->isOpen()) return;
  if (root->editingWidget() == this) root->setEditingWidget(nullptr);
  if (chosen == -1 && pressedLook_ == nullptr) return;

  WindowDevice device(window);
  Canvas canvas(root, device.handle(), window);
  if (chosen != -1) {
    current_ = chosen;
    reportEdit(*this, &canvas);
  }
  // Also takes the pressed look away.
  paint(&canvas);
}

int32_t ChoiceMenu::runMenu(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  const bool marksCurrent = (style() & labelMenuMarksCurrent) != 0;
  std::vector<MenuEntry> entries;
  for (int32_t i = 0; i < count_; ++i)
    entries.push_back({items_[i].get(), i, {}, marksCurrent && i == current_});
  const Point at =
      parent()->toWindow(Point(size().left, (style() & labelMenuAtTop) != 0 ? size().top : size().bottom));
  const POINT corner{frame.left + at.h, frame.top + at.v};
  const int32_t chosen = runMenuAt(window, corner, MenuButton::left, entries);
  // A listener may have changed the list while the menu was open.
  return holds(chosen) ? chosen : -1;
}

bool ChoiceMenu::insertItem(const char* text, int32_t index) {
  if (count_ == kMaxItems) return false;
  std::unique_ptr<char[]> item(new char[kLabelTextCapacity]);
  copyLabelText(item.get(), text);
  if (index < 0 || index > count_) index = count_;
  for (int32_t i = count_; i > index; --i) items_[i] = std::move(items_[i - 1]);
  if (current_ >= index) ++current_;
  items_[index] = std::move(item);
  ++count_;
  if (current_ < 0) current_ = 0;
  return true;
}

int32_t ChoiceMenu::selectedItem(char* buffer) const {
  if (!holds(current_)) return -1;
  if (buffer != nullptr) copyLabelText(buffer, items_[current_].get());
  return current_;
}

bool ChoiceMenu::selectItem(int32_t index) {
  if (!holds(index) || isSeparator(index)) return false;
  current_ = index;
  forceTextRepaint();
  return true;
}

bool ChoiceMenu::itemText(int32_t index, char* buffer) const {
  if (!holds(index)) return false;
  if (buffer != nullptr) copyLabelText(buffer, items_[index].get());
  return true;
}

bool ChoiceMenu::deleteItem(int32_t index) {
  if (!holds(index)) return false;
  for (int32_t i = index; i + 1 < count_; ++i) items_[i] = std::move(items_[i + 1]);
  if (current_ >= index) --current_;
  items_[count_ - 1].reset();
  --count_;
  if (count_ == 0) current_ = -1;
  return true;
}

bool ChoiceMenu::clearItems() {
  for (int32_t i = 0; i < count_; ++i) items_[i].reset();
  count_ = 0;
  current_ = -1;
  return true;
}

int32_t ChoiceMenu::itemCount() const { return count_; }
