// Readout: what the strip at the bottom of the editor says — the control under the pointer or being
// edited, with its value as a musician reads it, a message, or the editor's hints when there is nothing.
#pragma once

#include <cstdint>
#include <string>

class ReadoutLabel;
class StepGate;

class Readout {
public:
  explicit Readout(StepGate& gate) : gate_(gate) {}

  // The strip of the open window, owned by its root view; null while the window is closed.
  void attach(ReadoutLabel* label);
  // The parameter whose control the pointer is over, or -1 for none (the hints come back).
  void hover(int32_t index);
  // A control was edited (also by drag, wheel or reset, which hold the pointer's messages back).
  void edited(int32_t index);
  // Values may have changed from elsewhere: the hovered control's text follows.
  void refresh();
  void showMessage(const std::string& text);
  // A message that gives way to what the strip would show otherwise once the time has passed (as
  // `expire` finds at the editor's idle), or sooner when the pointer moves to another control.
  void showMessageFor(const std::string& text, uint32_t milliseconds);
  void expire();

  // What the strip shows while the window is open; empty while it shows the hints.
  std::string text() const;
  // The control's name and its value as a musician reads it, such as "Step 5  90 %" or "Switch 3  On".
  std::string textFor(int32_t index) const;

private:
  void show(const std::string& text);

  StepGate& gate_;
  ReadoutLabel* label_ = nullptr;
  int32_t hovered_ = -1;
  bool timedMessage_ = false;
  uint32_t messageShownAt_ = 0;
  uint32_t messageDuration_ = 0;
};
