// A host writes bank records value by value, as a host loading a preset would.
#include "tools/gatehost/patch_options.h"

const char kPatchUsage[] =
    "  --program N        select program N (0 to 15) first\n"
    "  --bank N           write the 34 values of record N (1 to 16) of the plug-in's own bank resource\n"
    "  --set INDEX=VALUE  write one parameter (repeatable)\n";

bool applyPatchOptions(Options& options, const PluginLibrary& library, PluginHost& host, std::string& error) {
  const int32_t parameters = host.record()->parameterCount;
  if (options.has("program")) {
    const int program = options.integer("program", 0);
    if (program < 0 || program >= host.record()->programCount) {
      error = "--program must lie between 0 and " + std::to_string(host.record()->programCount - 1);
      return false;
    }
    host.selectProgram(program);
  }
  if (options.has("bank")) {
    std::vector<ProgramRecord> bank = library.bank();
    const int number = options.integer("bank", 1);
    if (number < 1 || number > static_cast<int>(bank.size())) {
      error = "--bank must lie between 1 and " + std::to_string(bank.size()) + " (records in the bank)";
      return false;
    }
    ProgramRecord& record = bank[static_cast<size_t>(number - 1)];
    for (int32_t index = 0; index < parameters; ++index)
      if (const float* slot = record.slotOf(index)) host.writeParameter(index, *slot);
  }
  for (const std::string& assignment : options.all("set")) {
    const size_t equals = assignment.find('=');
    double index = -1.0, value = 0.0;
    if (equals == std::string::npos || !parseNumber(assignment.substr(0, equals), index) ||
        !parseNumber(assignment.substr(equals + 1), value) || index < 0 || index >= parameters ||
        index != static_cast<int32_t>(index)) {
      error = "--set takes INDEX=VALUE with INDEX from 0 to " + std::to_string(parameters - 1) + ", not '" +
              assignment + "'";
      return false;
    }
    host.writeParameter(static_cast<int32_t>(index), static_cast<float>(value));
  }
  host.selectProgram(host.currentProgram());
  return options.errors().empty();
}
