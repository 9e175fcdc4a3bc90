// TextField: the edit box's life (creation, font, its window procedure, closing) and the report of the
// typed text.
#include "toolkit/controls/text_field.h"

#include <cstring>
#include <utility>

#include "toolkit/controls/control_common.h"
#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/font_table.h"
#include "toolkit/graphics/module_instance.h"
#include "toolkit/graphics/native_handles.h"
#include "toolkit/graphics/root_view.h"

TextField::TextField(const Rect& size, ValueListener* listener, int32_t tag, const char* text,
                     Pixmap* background, int32_t style)
    : ValueLabel(size, listener, tag, background, style) {
  copyLabelText(text_, text);
}

TextField::~TextField() {
  if (editBox_) closeEditBox(true);
}

void TextField::paint(Canvas* canvas) {
  char shown[kLabelTextCapacity] = {};
  if (filter_ != nullptr) {
    filter_(text_, shown);
    shown[kLabelTextCapacity - 1] = '\0';
  } else {
    copyLabelText(shown, text_);
  }
  paintText(canvas, shown, nullptr);
}

void TextField::mousePressed(Canvas* canvas, Point&) {
  if (!isClickable() || canvas->buttonState() != leftButton) return;
  RootView* root = parent();
  if (root == nullptr || root->editingWidget() == this) return;
  root->setEditingWidget(this);
  gainFocus();
}

void TextField::gainFocus() {
  RootView* root = parent();
  if (editBox_ || root == nullptr || root->windowHandle() == nullptr) return;
  // The box covers the field and its far edges, as the field's outline does.
  const Rect area = root->toWindow(Rect(size().left, size().top, size().right + 1, size().bottom + 1));
  WindowHandle box(CreateWindowExA(0, "EDIT", text_, WS_CHILD | WS_VISIBLE | ES_CENTER | ES_AUTOHSCROLL,
                                   area.left, area.top, area.width(), area.height(), root->windowHandle(),
                                   nullptr, static_cast<HINSTANCE>(moduleInstance), nullptr));
  if (!box) {
    if (root->editingWidget() == this) root->setEditingWidget(nullptr);
    return;
  }
  editBox_ = std::move(box);
  editFont_ = createTableFont(fontNumber(), 0, FontLook::regular, root->scale());
  SetWindowLongPtrA(editBox_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SendMessageA(editBox_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(editFont_.get()), TRUE);
  SendMessageA(editBox_.get(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
  SetFocus(editBox_.get());
  boxProcedure_.emplace(editBox_.get(), &TextField::editProcedure);
}

LRESULT CALLBACK TextField::editProcedure(HWND box, UINT message, WPARAM first, LPARAM second) {
  auto* field = reinterpret_cast<TextField*>(GetWindowLongPtrA(box, GWLP_USERDATA));
  // Taken first: the field may give the box its own procedure back while handling the message.
  const WNDPROC boxOwnProcedure = field->boxProcedure_->previous();
  if (message == WM_KILLFOCUS || (message == WM_KEYDOWN && first == VK_RETURN))
    field->dropFocus();
  else if (message == WM_DESTROY)
    field->boxDestroyedElsewhere();
  // Enter and the focus loss destroy the box: nothing is left to hand the message to.
  if (IsWindow(box) == 0) return 0;
  return CallWindowProcA(boxOwnProcedure, box, message, first, second);
}

void TextField::dropFocus() {
  if (!editBox_) return;
  char before[kLabelTextCapacity];
  copyLabelText(before, text_);
  // The whole buffer: a text of 255 bytes comes back as it went in and counts as unchanged.
  GetWindowTextA(editBox_.get(), text_, kLabelTextCapacity);
  closeEditBox(true);
  finishEdit(before);
}

// The box dies with the editor window (the host destroyed its window while the user was typing): the
// text typed so far is kept, but with no window left to draw on nobody is told.
void TextField::boxDestroyedElsewhere() {
  char before[kLabelTextCapacity];
  copyLabelText(before, text_);
  GetWindowTextA(editBox_.get(), text_, kLabelTextCapacity);
  closeEditBox(false);
  finishEdit(before);
}

void TextField::closeEditBox(bool destroyBox) {
  // The box's own procedure comes back first, so that the messages of its going (a focus loss among
  // them) find the editing already over.
  boxProcedure_.reset();
  WindowHandle box = std::move(editBox_);
  // A box the platform is destroying already is only let go.
  if (!destroyBox) box.release();
  box.reset();
  editFont_.reset();
  RootView* root = parent();
  if (root != nullptr && root->editingWidget() == this) root->setEditingWidget(nullptr);
}

void TextField::finishEdit(const char* before) {
  RootView* root = parent();
  HWND window = root != nullptr ? root->windowHandle() : nullptr;
  if (window == nullptr) return;
  WindowDevice device(window);
  Canvas canvas(root, device.handle(), window);
  if (std::strcmp(before, text_) != 0) reportEdit(*this, &canvas);
  paint(&canvas);
}

void TextField::assignText(const char* text) {
  if (text == nullptr) return;
  copyLabelText(text_, text);
  forceTextRepaint();
}

void TextField::copyText(char* buffer) const {
  if (buffer != nullptr) copyLabelText(buffer, text_);
}

void TextField::installTextFilter(TextFilter filter) { filter_ = filter; }
