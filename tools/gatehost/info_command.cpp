// `gatehost info PLUGIN.dll`: the file's version and what a host sees of the plug-in — the record, the
// programs, the parameters.
#include <cstdio>

#include "tools/gatehost/commands.h"
#include "tools/gatehost/file_version.h"
#include "tools/gatehost/options.h"
#include "tools/gatehost/plugin_host.h"
#include "tools/gatehost/report.h"

namespace {

const char kUsage[] = "usage: gatehost info PLUGIN.dll\n";

std::string hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", value);
  return text;
}

std::string characters(int32_t code) {
  std::string text;
  for (int32_t shift = 24; shift >= 0; shift -= 8) {
    const char c = static_cast<char>((static_cast<uint32_t>(code) >> shift) & 0xFF);
    text += (c >= 32 && c < 127) ? c : '.';
  }
  return text;
}

std::string flagNames(int32_t flags) {
  static const std::pair<int32_t, const char*> names[] = {
      {EditorAttached, "editor"},
      {ClipIndicator, "clip"},
      {Meter, "meter"},
      {MonoCapable, "mono"},
      {OverwritingProcess, "overwriting"},
      {StateBlobs, "state-blobs"},
      {Instrument, "instrument"},
      {SilentTail, "silent-tail"},
      {AsyncProcessing, "async"},
      {ExternalBuffer, "external-buffer"},
  };
  std::string text;
  for (const auto& [bit, name] : names)
    if ((flags & bit) != 0) text += (text.empty() ? "" : ", ") + std::string(name);
  return text;
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

// A field the file does not have shows as "none", so a missing resource is plain to see.
std::string orNone(const std::string& text) { return text.empty() ? "none" : text; }

void printFileVersion(const std::string& path) {
  const FileVersion version = readFileVersion(path);
  std::vector<TableRow> rows = {
      {"field", "value"},
      {"fileVersion", orNone(version.fileVersion)},
      {"productName", orNone(version.productName)},
      {"productVersion", orNone(version.productVersion)},
      {"description", orNone(version.description)},
  };
  std::printf("File\n%s\n", formatTable(rows).c_str());
}

void printRecord(const PluginRecord& record) {
  char ratio[32];
  std::snprintf(ratio, sizeof ratio, "%g", static_cast<double>(record.ioSampleRatio));
  std::vector<TableRow> rows = {
      {"field", "value"},
      {"signature", hex(static_cast<uint32_t>(record.signature))},
      {"pluginId", hex(static_cast<uint32_t>(record.pluginId)) + " '" + characters(record.pluginId) + "'"},
      {"pluginVersion", std::to_string(record.pluginVersion)},
      {"programCount", std::to_string(record.programCount)},
      {"parameterCount", std::to_string(record.parameterCount)},
      {"inputCount", std::to_string(record.inputCount)},
      {"outputCount", std::to_string(record.outputCount)},
      {"capabilityFlags",
       hex(static_cast<uint32_t>(record.capabilityFlags)) + " (" + flagNames(record.capabilityFlags) + ")"},
      {"latencySamples", std::to_string(record.latencySamples)},
      {"ioSampleRatio", ratio},
  };
  std::printf("Record\n%s\n", formatTable(rows).c_str());
}

void printPrograms(PluginHost& host) {
  const int32_t current = host.currentProgram();
  std::vector<TableRow> rows = {{"program", "name"}};
  for (int32_t program = 0; program < host.record()->programCount; ++program) {
    host.selectProgram(program);
    rows.push_back({std::to_string(program), quoted(host.programName())});
  }
  host.selectProgram(current);
  std::printf("Programs\n%s\n", formatTable(rows).c_str());
}

void printParameters(PluginHost& host) {
  std::vector<TableRow> rows = {{"index", "name", "display", "unit"}};
  for (int32_t index = 0; index < host.record()->parameterCount; ++index)
    rows.push_back({std::to_string(index), quoted(host.parameterName(index)),
                    quoted(host.parameterText(index)), quoted(host.parameterUnit(index))});
  std::printf("Parameters\n%s", formatTable(rows).c_str());
}

} // namespace

int runInfo(int argc, char** argv) {
  Options options(argc, argv, {});
  if (reportErrors(options.errors(), kUsage)) return 2;
  if (options.positional().size() != 1) return usageError("info takes one plug-in file", kUsage);
  if (!options.unknown({}).empty()) return usageError("unknown option " + options.unknown({})[0], kUsage);
  PluginLibrary library(options.positional()[0]);
  if (!library.loaded()) return usageError(library.error(), kUsage);
  std::printf("gatehost %s\n\n", STEPGATE_VERSION);
  printFileVersion(options.positional()[0]);
  PluginHost host(library);
  if (host.record() == nullptr) return refusedRecord();
  printRecord(*host.record());
  printPrograms(host);
  printParameters(host);
  host.close();
  return 0;
}
