// Processing at every sample rate from 8000 to 192000, block sizes from 0 to 50000 (larger than announced
// with opcode 11 too), tempos from 0 to 999 and invalid ones, positions negative, huge and jumping back,
// with noise in and the outputs scanned after every block; the meter read and the effect switched off and
// on between blocks. With a flat pattern the gate must also pass every block through unchanged.
#include <algorithm>
#include <limits>

#include "tools/gatehost/validation_groups.h"
#include "tools/gatehost/validation_support.h"

namespace {

constexpr int32_t kLargestBlock = 50000;
constexpr int32_t kAnnouncedLimit = 512;
constexpr int32_t kBlocksPerSetting = 3;
constexpr intptr_t kMeterFullScale = 32767;

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInfinity = std::numeric_limits<double>::infinity();

const std::vector<double> kSampleRates = {8000,  11025, 16000, 22050,  44100,
                                          48000, 88200, 96000, 176400, 192000};
// Time records no host should send, but some do.
const std::vector<double> kBrokenSampleRates = {0.0, -44100.0, kNaN, kInfinity, 1.0e300, 1.0e-300};
const std::vector<int32_t> kBlockSizes = {-1, 0, 1, 2, 3, 64, 100, 511, 512, 1024, 4096, 8192, kLargestBlock};
const std::vector<double> kTempos = {0.0,   0.001,  1.0,  20.0,      60.0,       120.0,   140.5,   333.333,
                                     999.0, -120.0, kNaN, kInfinity, -kInfinity, 1.0e300, 4.9e-324};
const std::vector<double> kPositions = {0.0,   0.001,  3.999999, 4.0,      -0.5, -4.0,     -1.0e9,
                                        1.0e9, 1.0e15, 1.0e300,  -1.0e300, kNaN, kInfinity};

// The flat pattern: every level 1, every switch on, no shift, no smoothing; the table is all ones.
void selectFlatPattern(PluginHost& host) {
  for (int32_t index = 0; index < 32; ++index) host.writeParameter(index, 1.0f);
  host.writeParameter(32, 0.0f);
  host.writeParameter(33, 0.0f);
  host.selectProgram(host.currentProgram());
}

void selectRandomPattern(Validator& validator, PluginHost& host) {
  for (int32_t index = 0; index < 34; ++index) host.writeParameter(index, validator.uniform(0.0f, 1.0f));
  host.selectProgram(host.currentProgram());
}

double pickFrom(Validator& validator, const std::vector<double>& values) {
  return values[static_cast<size_t>(validator.pick(0, static_cast<int32_t>(values.size()) - 1))];
}

// A few blocks of one setting, the song moving on between them, sometimes jumping back as a loop does.
void playSetting(Validator& validator, PluginHost& host, AudioProbe& probe, double sampleRate, int32_t block,
                 double tempo, bool flat) {
  host.dispatch(Opcode::SampleRate, 0, 0, nullptr, static_cast<float>(sampleRate));
  host.dispatch(Opcode::BlockSize, 0, std::min(block, kAnnouncedLimit));
  host.dispatch(Opcode::Activation, 0, 1);
  double position = pickFrom(validator, kPositions);
  for (int32_t n = 0; n < kBlocksPerSetting; ++n) {
    const bool accumulating = validator.pick(0, 2) == 0;
    const bool inPlace = validator.pick(0, 3) == 0;
    host.withholdTime(validator.pick(0, 15) == 0);
    setTime(host, sampleRate, tempo, position);
    const std::string context = "rate " + describeNumber(sampleRate) + ", block " + std::to_string(block) +
                                ", tempo " + describeNumber(tempo) + ", position " + describeNumber(position);
    const bool clean = processAndCheck(validator, host, probe, block, accumulating, inPlace, context);
    if (clean && flat && !accumulating && !inPlace)
      validator.check(probe.differences() == 0, context + ": a flat pattern changed the sound");
    const intptr_t meter = host.dispatch(Opcode::MeterLevel);
    validator.check(meter >= 0 && meter <= kMeterFullScale,
                    context + ": the meter answered " + std::to_string(meter) + " for noise within -1 to 1");
    position = n == 1 ? position - 4.0 * validator.uniform(0.0f, 8.0f)
                      : position + std::max(block, 0) * tempo / 60.0 / sampleRate;
    if (validator.pick(0, 4) == 0) {
      host.dispatch(Opcode::Activation, 0, 0);
      host.dispatch(Opcode::Activation, 0, 1);
    }
  }
  host.withholdTime(false);
}

void playEverySetting(Validator& validator, PluginHost& host, AudioProbe& probe, bool flat) {
  for (const double sampleRate : kSampleRates)
    for (const int32_t block : kBlockSizes)
      for (const double tempo : kTempos)
        if (validator.pick(1, Validator::kMaxStrictness) <= validator.strictness())
          playSetting(validator, host, probe, sampleRate, block, tempo, flat);
  for (const double sampleRate : kBrokenSampleRates)
    for (const int32_t block : {64, 4096})
      for (const double tempo : {0.0, 120.0, 999.0})
        playSetting(validator, host, probe, sampleRate, block, tempo, flat);
}

} // namespace

void validateProcessing(Validator& validator) {
  PluginHost host(validator.library());
  if (!validator.check(host.record() != nullptr, "main returned no record")) return;
  AudioProbe probe(kLargestBlock);
  selectFlatPattern(host);
  playEverySetting(validator, host, probe, true);
  selectRandomPattern(validator, host);
  playEverySetting(validator, host, probe, false);
}
