// StepGate: the 16-step gate effect, with its programs, its 34 parameters, the gain table it plays in
// step with the host's tempo, and the delay line of the accumulating entry.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

#include "gate/delay_line.h"
#include "gate/gain_table.h"
#include "gate/program_record.h"
#include "gate/published_gain_table.h"
#include "host/plugin_effect_ext.h"

// Where the programs are written when an effect is destroyed.
extern const char kProgramDumpPath[];

class StepGate : public PluginEffectExt {
public:
  explicit StepGate(HostCallback callback);
  ~StepGate() override;

  void selectProgram(int32_t program) override;
  void renameProgram(char* text) override;
  void fetchProgramName(char* text) override;

  void writeParameter(int32_t index, float value) override;
  float readParameter(int32_t index) override;
  void fetchParameterName(int32_t index, char* text) override;
  void fetchParameterUnit(int32_t index, char* text) override;
  void fetchParameterValueText(int32_t index, char* text) override;

  void processOverwriting(float** inputs, float** outputs, int32_t frames) override;
  void processAccumulating(float** inputs, float** outputs, int32_t frames) override;
  float meterLevel() override;
  void deactivate() override;

  // Rebuilds the gain table from the live parameter values and hands it to the audio thread.
  void buildGainTable();
  // The newest gain table, as the editor draws it.
  void copyGainTable(GainTable& out) const { gainTable_.copyNewest(out); }
  const ProgramRecord& program(int32_t number) const { return programs_[number]; }

private:
  void dumpPrograms() const;
  ProgramRecord& currentRecord() { return programs_[currentProgram()]; }

  PublishedGainTable gainTable_;
  std::array<ProgramRecord, kProgramCount> programs_;
  // Live parameter values, written by the host's and the editor's threads and read by the audio thread.
  std::array<std::atomic<float>, 2 * kStepCount> stepValues_;
  DelayLine delayLine_;
  std::atomic<float> barWidth_;
  std::atomic<float> interpol_;
  std::atomic<float> peakLevel_;

  static_assert(std::atomic<float>::is_always_lock_free);
};
