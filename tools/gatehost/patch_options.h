// The options shared by the commands that play or show a sound setting: --program, --bank and --set.
#pragma once

#include <string>

#include "tools/gatehost/options.h"
#include "tools/gatehost/plugin_host.h"
#include "tools/gatehost/plugin_library.h"

extern const char kPatchUsage[];

// Applies the options in that order, then selects the current program again so that the effect rebuilds
// its pattern from the written values. Answers false with a reason in `error`.
bool applyPatchOptions(Options& options, const PluginLibrary& library, PluginHost& host, std::string& error);
