// What the faders, buttons and switches share: the report to the listener, the latching press, the reset
// by Alt+click or double click, the unit clamp, a float to pixel truncation that stays defined for any
// value, and the copy of one frame.
#pragma once

#include <cstdint>

#include "toolkit/controls/value_widget.h"
#include "toolkit/graphics/button_state.h"
#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/point.h"
#include "toolkit/graphics/rect.h"

class Pixmap;

// The axis a control moves along; the horizontal controls share the vertical ones' code this way.
enum class Axis : int32_t { vertical, horizontal };

inline int32_t coordinateAlong(Point point, Axis axis) { return axis == Axis::vertical ? point.v : point.h; }
inline int32_t leadingEdge(const Rect& rect, Axis axis) {
  return axis == Axis::vertical ? rect.top : rect.left;
}

// Tells the control's listener (when it has one) that the user changed the control.
void reportEdit(ValueWidget& control, Canvas* canvas);
// The same, only when the value differs from the one last painted.
void reportIfChanged(ValueWidget& control, Canvas* canvas);

// The loop of a held press that every pointer-following control runs: the value is taken from the
// pointer and the buttons held (`state`, first the press's own), a change is reported, the pointer read
// again and the display refreshed, for as long as `holding` accepts the buttons read after each step.
template <typename ValueAt, typename Holding>
void trackPointer(ValueWidget& control, Canvas* canvas, Point& point, ButtonState state, ValueAt valueAt,
                  Holding holding) {
  do {
    control.putValue(valueAt(point, state));
    reportIfChanged(control, canvas);
    canvas->pointerPosition(point);
    control.requestRefresh();
    state = canvas->buttonState();
  } while (holding(state));
}

inline bool anyButtonHeld(ButtonState state) { return state != 0; }

// The press of the latching buttons. While a button is held the value is the opposite of the value at
// the press with the pointer inside the control (edges included) and that value outside it; a press
// already released when handled flips the value once.
void trackLatch(ValueWidget& control, Canvas* canvas, Point& point);

// A left press with or without Shift: the presses that drag a fader (Shift finely) and make double clicks.
inline bool isPlainOrFineLeftPress(ButtonState state) {
  return state == leftPress || state == leftPressWithShift;
}

// A control's memory of its last plain or fine left press, to tell the second press of a double click:
// the window class sends a double click as two presses.
class DoubleClick {
public:
  // True when the press comes soon enough and near enough after the last one. A press that completes a
  // double click starts none, so the third press of a quick triple click is a first again.
  bool completedBy(Point point);

private:
  uint32_t lastPressTicks_ = 0;
  Point lastPressPoint_;
  bool pressedBefore_ = false;
};

// Sets the control to its reset value on the presses that ask for it, reporting a change: Alt+click, and
// where the control remembers its presses (`doubleClick`, else null) the second press of a double click.
// True when the press reset the control, which ends its handling; the listener repaints, not the control.
bool resetOnPress(ValueWidget& control, Canvas* canvas, ButtonState state, Point point,
                  DoubleClick* doubleClick);

// Above 1 becomes 1; below 0, or not a number, becomes 0.
float clampToUnit(float value);

// Drops the fraction toward zero. Values a control was given from outside may be huge or not a number:
// they are held far outside any window instead of overflowing (not a number counts as 0).
int32_t truncateToPixels(float value);

// Copies the frame at source into the control's rectangle, opaquely; nothing without a pixmap.
void drawFrame(Pixmap* pixmap, Canvas* canvas, const Rect& size, Point source);
