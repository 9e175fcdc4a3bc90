// PatternCommands: the pattern menu's commands worked out on the gate's live pattern — copy and paste
// through the clipboard, the factory patterns, rotate, invert, randomize, clear and reset. The editor
// writes the pattern a command answers.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "gate/pattern.h"

class StepGate;

class PatternCommands {
public:
  explicit PatternCommands(const StepGate& gate);

  // The pattern the command makes of the live one, or nothing for a command that changes no parameter
  // (a copy, a refused paste, an unknown command). `window` owns the clipboard while it is used.
  std::optional<Pattern> run(int32_t command, HWND window);
  // Why the last paste changed nothing; empty after a paste that took.
  const std::string& pasteRefusal() const { return pasteRefusal_; }

private:
  const StepGate& gate_;
  std::mt19937 random_;
  std::string pasteRefusal_;
};
