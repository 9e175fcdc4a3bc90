// The begin and end notices around the edits of one gesture.
#include "editor/edit_gestures.h"

#include "gate/gate_parameter.h"
#include "host/plugin_effect.h"

// One bit per parameter in `begun_`.
static_assert(GateParameterCount <= 64);

void EditGestures::end() {
  inGesture_ = false;
  for (int32_t index = 0; begun_ != 0; ++index, begun_ >>= 1)
    if ((begun_ & 1u) != 0) effect_.endEdit(index);
}

void EditGestures::edit(int32_t index, float value) {
  if (!isGateParameter(index)) return;
  const uint64_t bit = uint64_t{1} << index;
  if ((begun_ & bit) == 0) {
    effect_.beginEdit(index);
    begun_ |= bit;
  }
  effect_.writeParameterAndNotify(index, value);
  if (!inGesture_) end();
}
