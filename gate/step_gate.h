// StepGate: the 16-step gate effect, with its programs, its 34 parameters, the gain table it plays in
// step with the host's tempo, and the delay line of the accumulating entry.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>

#include "gate/delay_line.h"
#include "gate/gain_table.h"
#include "gate/live_parameters.h"
#include "gate/program_dump.h"
#include "gate/program_record.h"
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

  // The values the gate plays; the editor follows them as the audio does, by their count of writes.
  const LiveParameters& live() const { return live_; }
  // The table the gate plays for the values written so far.
  void copyGainTable(GainTable& out) const { buildGainTable(out, live_.values()); }
  // A copy of a stored program, taken value by value while its values may be written.
  ProgramRecord program(int32_t number) const;
  // For an effect no host ever received: it holds only Init programs, and writing them would destroy the
  // musician's last dump.
  void skipProgramDump() { dumpsPrograms_ = false; }
  // How the dump replaces the last one; the C library's rename until the composition root says otherwise.
  void useFileReplacer(FileReplacer replace) { replaceFile_ = replace; }

private:
  ProgramRecord& currentRecord() { return programs_[currentProgram()]; }

  // The stored programs. Their values are written by the host's automation and the editor at once, so
  // every value is stored and loaded as an atomic. Names change only through the dispatcher, never on the
  // audio thread, and a host may rename on one thread while it reads names on another: every name is read
  // and written under the lock.
  std::array<ProgramRecord, kProgramCount> programs_;
  mutable std::mutex namesLock_;
  bool dumpsPrograms_ = true;
  FileReplacer replaceFile_ = renameOver;
  LiveParameters live_;
  // Audio thread only: the table it plays, rebuilt at the start of a block that follows a write.
  FollowedGainTable playing_{live_};
  DelayLine delayLine_;
  // Set by deactivate on the host's thread; the accumulating entry clears the line at the start of its next
  // block, so the clear never runs under it.
  std::atomic<bool> delayLineClearPending_{false};
  std::atomic<float> peakLevel_;

  static_assert(std::atomic<float>::is_always_lock_free);
};
