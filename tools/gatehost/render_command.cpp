// `gatehost render PLUGIN.dll`: gates a sound file (or a generated chord) and writes the result.
#include <cmath>
#include <cstdio>

#include "tools/gatehost/commands.h"
#include "tools/gatehost/options.h"
#include "tools/gatehost/patch_options.h"
#include "tools/gatehost/render.h"
#include "tools/gatehost/report.h"
#include "tools/gatehost/test_signal.h"

namespace {

const std::string kUsage =
    std::string("usage: gatehost render PLUGIN.dll [options]\n"
                "  --out FILE.wav     the gated sound, 32-bit float (default gated.wav)\n"
                "  --in FILE.wav      the sound to gate (default: a generated chord)\n"
                "  --bars N           length of the generated chord in bars (default 2)\n"
                "  --rate HZ          sample rate of the generated chord (default 44100)\n"
                "  --tempo BPM        song tempo (default 120)\n"
                "  --start QUARTERS   song position of the first frame (default 0)\n"
                "  --block FRAMES     frames per processing call (default 512)\n"
                "  --accumulate       use the accumulating entry instead of the gate\n") +
    kPatchUsage;

const std::set<std::string> kKnown = {"out",   "in",         "bars",    "rate", "tempo", "start",
                                      "block", "accumulate", "program", "bank", "set"};

} // namespace

int runRender(int argc, char** argv) {
  Options options(argc, argv, {"accumulate"});
  RenderSettings settings;
  settings.tempo = options.number("tempo", 120.0);
  settings.startPosition = options.number("start", 0.0);
  settings.blockSize = options.integer("block", 512);
  settings.accumulating = options.has("accumulate");
  const double bars = options.number("bars", 2.0);
  const int rate = options.integer("rate", 44100);
  if (reportErrors(options.errors(), kUsage.c_str())) return 2;
  if (options.positional().size() != 1) return usageError("render takes one plug-in file", kUsage.c_str());
  if (!options.unknown(kKnown).empty())
    return usageError("unknown option " + options.unknown(kKnown)[0], kUsage.c_str());
  if (!(settings.tempo > 0.0 && settings.tempo < 1000.0))
    return usageError("--tempo must lie in (0, 1000)", kUsage.c_str());
  if (settings.blockSize < 1 || settings.blockSize > 1 << 20)
    return usageError("--block must lie in 1 to 1048576", kUsage.c_str());
  if (rate < 1000 || rate > 768000) return usageError("--rate must lie in 1000 to 768000", kUsage.c_str());
  if (!(bars > 0.0 && bars <= 1000.0)) return usageError("--bars must lie in (0, 1000]", kUsage.c_str());

  StereoSound input;
  std::string error;
  if (options.has("in")) {
    if (!readWav(options.text("in", ""), input, error)) return usageError(error, kUsage.c_str());
  } else {
    input =
        sustainedChord(rate, static_cast<int32_t>(std::lround(bars * framesPerBar(settings.tempo, rate))));
  }

  PluginLibrary library(options.positional()[0]);
  if (!library.loaded()) return usageError(library.error(), kUsage.c_str());
  PluginHost host(library);
  if (host.record() == nullptr) return refusedRecord();
  if (!applyPatchOptions(options, library, host, error)) {
    reportErrors(options.errors(), "");
    return usageError(error, kUsage.c_str());
  }
  const StereoSound output = render(host, input, settings);
  host.close();

  const std::string out = options.text("out", "gated.wav");
  if (!writeWav(out, output, error)) {
    std::fprintf(stderr, "gatehost: %s\n", error.c_str());
    return 1;
  }
  std::printf("%s: %d frames at %d Hz, tempo %g, %s entry\n", out.c_str(), output.frames(), output.sampleRate,
              settings.tempo, settings.accumulating ? "accumulating" : "overwriting");
  if (!settings.accumulating)
    std::printf("%s", formatStepLevels(measureStepLevels(input, output, settings)).c_str());
  return 0;
}
