// EditGestures: the editor's edits as the host records them. Every change of one gesture (a press with
// its drag, a wheel turn) is bracketed per parameter by a begin notice before its first change and an end
// notice after the gesture, so a host can record touch automation and undo one drag as one step.
#pragma once

#include <cstdint>

class PluginEffect;

class EditGestures {
public:
  explicit EditGestures(PluginEffect& effect) : effect_(effect) {}

  // The user's input starts or ends; a gesture ended without edits tells the host nothing.
  void begin() { inGesture_ = true; }
  void end();
  // Writes the value, tells the host, and opens the parameter's bracket first if this gesture has not. An
  // edit made outside any gesture is bracketed on its own.
  void edit(int32_t index, float value);

private:
  PluginEffect& effect_;
  bool inGesture_ = false;
  // Bit n: parameter n has been begun in this gesture and waits for its end notice.
  uint64_t begun_ = 0;
};
