// The gain curve, painted straight onto the editor window: 298 columns sampling the table from entry 0
// to entry 1020, each a short line from this column's gain to the next one's.
#include <windows.h>

#include "editor/step_gate_editor.h"
#include "gate/step_gate.h"
#include "toolkit/graphics/root_view.h"
#include "toolkit/graphics/window_device.h"

namespace {

// A gain of 1 lies on row 7, a gain of 0 on row 69.
constexpr float kCurveTop = 7.0f;
constexpr float kCurveRows = 62.0f;
constexpr COLORREF kStripColor = RGB(7, 41, 25);
constexpr COLORREF kCurveColor = RGB(0, 255, 0);

int32_t rowOf(float gain, int32_t below) {
  return static_cast<int32_t>((1.0f - gain) * kCurveRows + kCurveTop + below);
}

} // namespace

void StepGateEditor::drawCurve() {
  if (rootView == nullptr || rootView->windowHandle() == nullptr) return;
  GainTable table;
  gate_->copyGainTable(table);
  HWND window = rootView->windowHandle();
  WindowDevice windowDevice(window);
  HDC device = windowDevice.handle();
  const RECT strip = {kCurveStrip.left, kCurveStrip.top, kCurveStrip.right, kCurveStrip.bottom};
  HBRUSH fill = CreateSolidBrush(kStripColor);
  FillRect(device, &strip, fill);
  DeleteObject(fill);
  HPEN pen = CreatePen(PS_SOLID, 1, kCurveColor);
  HGDIOBJ previousPen = SelectObject(device, pen);
  const float step = 1024.0f / static_cast<float>(kCurveColumns);
  float a = 0.0f, b = step;
  for (int32_t column = 0; column < kCurveColumns; ++column) {
    const int32_t ya = rowOf(table[static_cast<size_t>(a)], 0);
    const float next = column < kCurveColumns - 1 ? b : a;
    const int32_t yb = rowOf(table[static_cast<size_t>(next)], 1);
    MoveToEx(device, kCurveStrip.left + column, ya, nullptr);
    LineTo(device, kCurveStrip.left + 1 + column, yb);
    a += step;
    b += step;
  }
  SelectObject(device, previousPen);
  DeleteObject(pen);
}
