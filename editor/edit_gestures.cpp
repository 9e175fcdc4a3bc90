// The begin and end notices around the edits of one gesture.
#include "editor/edit_gestures.h"

#include "host/plugin_effect.h"

namespace {

constexpr int32_t kTrackedParameters = 64;

} // namespace

void EditGestures::end() {
  inGesture_ = false;
  for (int32_t index = 0; begun_ != 0; ++index, begun_ >>= 1)
    if ((begun_ & 1u) != 0) effect_.endEdit(index);
}

void EditGestures::edit(int32_t index, float value) {
  if (index < 0 || index >= kTrackedParameters) return;
  const uint64_t bit = uint64_t{1} << index;
  if ((begun_ & bit) == 0) {
    effect_.beginEdit(index);
    begun_ |= bit;
  }
  effect_.writeParameterAndNotify(index, value);
  if (!inGesture_) end();
}
