// `gatehost validate PLUGIN.dll [--strictness N] [--seed S]`: drives the plug-in as careless hosts do and
// prints what ran; exits 1 when any check failed.
#include <cstdio>

#include "tools/gatehost/commands.h"
#include "tools/gatehost/options.h"
#include "tools/gatehost/report.h"
#include "tools/gatehost/validation_groups.h"

namespace {

const char kUsage[] = "usage: gatehost validate PLUGIN.dll [--strictness 1-10] [--seed S]\n"
                      "  --strictness  how much of every group runs (10, the default, runs all of it)\n"
                      "  --seed        seed of the random choices, to repeat a run (default 1)\n";

} // namespace

int runValidate(int argc, char** argv) {
  Options options(argc, argv, {});
  const int strictness = options.integer("strictness", Validator::kMaxStrictness);
  const int seed = options.integer("seed", 1);
  if (reportErrors(options.errors(), kUsage)) return 2;
  if (options.positional().size() != 1) return usageError("validate takes one plug-in file", kUsage);
  const std::vector<std::string> unknown = options.unknown({"strictness", "seed"});
  if (!unknown.empty()) return usageError("unknown option " + unknown[0], kUsage);
  if (strictness < 1 || strictness > Validator::kMaxStrictness)
    return usageError("--strictness takes 1 to 10", kUsage);
  PluginLibrary library(options.positional()[0]);
  if (!library.loaded()) return usageError(library.error(), kUsage);

  Validator validator(library, strictness, static_cast<uint32_t>(seed));
  validator.runGroup("lifecycle", validateLifecycle);
  validator.runGroup("opcodes", validateOpcodes);
  validator.runGroup("programs and names", validateProgramsAndNames);
  if (strictness == Validator::kMaxStrictness)
    validator.runGroup("programs across threads", validateProgramThreads);
  validator.runGroup("parameters", validateParameters);
  validator.runGroup("processing", validateProcessing);
  validator.runGroup("editor and threads", validateEditor);
  validator.runGroup("editor closed inside its loops", validateEditorCloses);
  std::printf("Validation of %s at strictness %d, seed %d\n%s", options.positional()[0].c_str(), strictness,
              seed, validator.report().c_str());
  return validator.failed() ? 1 : 0;
}
