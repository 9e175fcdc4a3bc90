// TextField: the edit box's life (creation, font, its window procedure, closing) and the report of the
// typed text.
#include "toolkit/controls/text_field.h"

#include <cstring>

#include "toolkit/controls/control_common.h"
#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/font_table.h"
#include "toolkit/graphics/module_instance.h"
#include "toolkit/graphics/root_view.h"
#include "toolkit/graphics/window_device.h"

namespace {

// One for the whole program: only one edit box is open at a time, as its field is the root view's
// only editing widget.
WNDPROC previousEditProcedure = nullptr;

HFONT createEditFont(int32_t fontNumber) {
  if (fontNumber < 0 || fontNumber >= kFontTableSize) fontNumber = 0;
  const FontTableEntry& entry = fontTable[fontNumber];
  LOGFONTA description;
  std::memset(&description, 0, sizeof description);
  description.lfHeight = -entry.defaultSize;
  // Unlike the canvas's fonts, the box's are never bold or decorative.
  description.lfWeight = FW_NORMAL;
  description.lfCharSet = ANSI_CHARSET;
  description.lfOutPrecision = OUT_STRING_PRECIS;
  description.lfClipPrecision = CLIP_STROKE_PRECIS;
  description.lfQuality = DEFAULT_QUALITY;
  description.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  std::strncpy(description.lfFaceName, entry.face, LF_FACESIZE - 1);
  return CreateFontIndirectA(&description);
}

} // namespace

TextField::TextField(const Rect& size, ValueListener* listener, int32_t tag, const char* text,
                     Pixmap* background, int32_t style)
    : ValueLabel(size, listener, tag, background, style) {
  copyLabelText(text_, text);
}

TextField::~TextField() {
  if (editBox_ != nullptr) closeEditBox(true);
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
  if (!clickable_ || canvas->buttonState() != leftButton) return;
  RootView* root = parent();
  if (root == nullptr || root->editingWidget() == this) return;
  root->setEditingWidget(this);
  gainFocus();
}

void TextField::gainFocus() {
  RootView* root = parent();
  if (editBox_ != nullptr || root == nullptr || root->windowHandle() == nullptr) return;
  HWND box = CreateWindowExA(0, "EDIT", text_, WS_CHILD | WS_VISIBLE | ES_CENTER | ES_AUTOHSCROLL, size_.left,
                             size_.top, size_.width() + 1, size_.height() + 1, root->windowHandle(), nullptr,
                             static_cast<HINSTANCE>(moduleInstance), nullptr);
  if (box == nullptr) {
    if (root->editingWidget() == this) root->setEditingWidget(nullptr);
    return;
  }
  editBox_ = box;
  editFont_ = createEditFont(fontNumber());
  SetWindowLongPtrA(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(editFont_), TRUE);
  SendMessageA(box, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
  SetFocus(box);
  previousEditProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TextField::editProcedure)));
}

LRESULT CALLBACK TextField::editProcedure(HWND box, UINT message, WPARAM first, LPARAM second) {
  auto* field = reinterpret_cast<TextField*>(GetWindowLongPtrA(box, GWLP_USERDATA));
  if (field != nullptr) {
    if (message == WM_KILLFOCUS || (message == WM_KEYDOWN && first == VK_RETURN))
      field->dropFocus();
    else if (message == WM_DESTROY)
      field->boxDestroyedElsewhere();
  }
  // Enter and the focus loss destroy the box: nothing is left to hand the message to.
  if (IsWindow(box) == 0) return 0;
  return CallWindowProcA(previousEditProcedure, box, message, first, second);
}

void TextField::dropFocus() {
  if (editBox_ == nullptr) return;
  char before[kLabelTextCapacity];
  copyLabelText(before, text_);
  // The whole buffer: a text of 255 bytes comes back as it went in and counts as unchanged.
  GetWindowTextA(editBox_, text_, kLabelTextCapacity);
  closeEditBox(true);
  finishEdit(before);
}

// The box dies with the editor window (the host destroyed its window while the user was typing): the
// text typed so far is kept, but with no window left to draw on nobody is told.
void TextField::boxDestroyedElsewhere() {
  char before[kLabelTextCapacity];
  copyLabelText(before, text_);
  GetWindowTextA(editBox_, text_, kLabelTextCapacity);
  closeEditBox(false);
  finishEdit(before);
}

void TextField::closeEditBox(bool destroyBox) {
  HWND box = editBox_;
  HFONT font = editFont_;
  // Cleared before the box goes: destroying the focused box sends it a focus loss, which must find the
  // editing already over.
  editBox_ = nullptr;
  editFont_ = nullptr;
  SetWindowLongPtrA(box, GWLP_USERDATA, 0);
  if (destroyBox) DestroyWindow(box);
  if (font != nullptr) DeleteObject(font);
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
