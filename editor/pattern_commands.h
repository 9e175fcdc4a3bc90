// PatternCommands: the pattern menu's commands as one table — each row's label, the submenu it sits in and
// what choosing it does — and their running on the gate's live pattern. The menu draws its entries from
// the table, in its order; the editor writes the pattern a command makes.
#pragma once

#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "gate/pattern.h"
#include "toolkit/graphics/native_types.h"
#include "toolkit/graphics/scale.h"

class StepGate;

// What a command works with besides the live pattern.
struct CommandTools {
  // Owns the clipboard while it is used.
  HWND window;
  std::mt19937& random;
  // Why the last paste changed nothing; empty after a paste that took.
  std::string& pasteRefusal;
  // What the readout is to say after the command; empty for nothing.
  std::string& message;
};

struct PatternCommand {
  // "-" makes a separator.
  std::string label;
  // The submenu the row sits in, empty at the top; the rows of a submenu follow each other.
  std::string submenu;
  // The pattern the command makes of the live one, or nothing when it changes no parameter.
  std::function<std::optional<Pattern>(const Pattern& live, CommandTools& tools)> make;
  // A row of the Size submenu: the editor's size it chooses, checked while the editor has it.
  std::optional<Scale> size = std::nullopt;
};

// Every row in the menu's order: copy and paste, the factory patterns, the pattern tools, the sizes.
const std::vector<PatternCommand>& patternCommands();

class PatternCommands {
public:
  explicit PatternCommands(const StepGate& gate);

  // The pattern the command makes of the live one, or nothing (a copy, a refused paste, a size).
  // `window` owns the clipboard while it is used.
  std::optional<Pattern> run(const PatternCommand& command, HWND window);
  const std::string& pasteRefusal() const { return pasteRefusal_; }
  // What the readout is to say after the last command; empty for nothing.
  const std::string& message() const { return message_; }

private:
  const StepGate& gate_;
  std::mt19937 random_;
  std::string pasteRefusal_;
  std::string message_;
};
