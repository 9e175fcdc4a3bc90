// PluginEffect: the base of every effect. Owns the host-interface record, answers opcodes 0 to 24 through
// the dispatcher's table (opcode_table.cpp) and carries the requests every effect sends to the host. Its
// members are defined beside this header, a file for each job: plugin_effect.cpp (the record, its life and
// identity), plugin_effect_programs.cpp, plugin_effect_editor.cpp, plugin_effect_processing.cpp and
// plugin_effect_requests.cpp.
#pragma once

#include <atomic>
#include <cstdint>

#include "host/opcodes.h"
#include "host/plugin_record.h"

class EditorBase;

class PluginEffect {
public:
  PluginEffect(HostCallback callback, int32_t programCount, int32_t parameterCount);
  virtual ~PluginEffect();

  PluginEffect(const PluginEffect&) = delete;
  PluginEffect& operator=(const PluginEffect&) = delete;

  // The host's close (opcode 1) may arrive while a loop of the effect's own editor runs that will return
  // into the effect: a popup menu's, or a drag's that asks the host for idle, during which the host
  // handles its timers. Such loops run inside a LoopScope. The dispatcher asks closeByHost whether the
  // effect may be deleted at once; when a scope runs, the editor closes instead (ending its loops) and the
  // last scope to end deletes the effect. From the close on, the effect calls the host no more.
  class LoopScope {
  public:
    // A null effect makes a scope that does nothing.
    explicit LoopScope(PluginEffect* effect);
    ~LoopScope();

    LoopScope(const LoopScope&) = delete;
    LoopScope& operator=(const LoopScope&) = delete;

  private:
    PluginEffect* effect_;
  };
  bool closeByHost();

  PluginRecord* record() { return &record_; }
  // The editor the dispatcher forwards the editor opcodes to. Attaching does not hand it over: whoever
  // created the editor owns it and detaches it before deleting it.
  EditorBase* editor() const { return editor_; }
  void attachEditor(EditorBase* editor);
  // As constructed; the dispatcher bounds program numbers by this, not by the record's field.
  int32_t programCount() const { return programCount_; }

  // The virtual operations, in the order the interface lists them. Hosts never see this table: they reach
  // the effect through the record's entries alone, and derived classes override by name.
  virtual void writeParameter(int32_t index, float value);
  virtual float readParameter(int32_t index);
  virtual void writeParameterAndNotify(int32_t index, float value);
  // Bracket the changes of one gesture of the user (a drag, a press, a wheel notch) so that a host can
  // record them as touch automation and undo them as one step. Hosts that do not know them answer 0.
  void beginEdit(int32_t index);
  void endEdit(int32_t index);
  virtual void processAccumulating(float** inputs, float** outputs, int32_t frames) = 0;
  virtual void processOverwriting(float** inputs, float** outputs, int32_t frames);
  virtual intptr_t handleOpcode(int32_t opcode, int32_t index, intptr_t value, void* data, float scalar);
  virtual void hostOpened();
  virtual void hostClosing();
  virtual int32_t currentProgram();
  virtual void selectProgram(int32_t program);
  virtual void renameProgram(char* text);
  virtual void fetchProgramName(char* text);
  virtual void fetchParameterUnit(int32_t index, char* text);
  virtual void fetchParameterValueText(int32_t index, char* text);
  virtual void fetchParameterName(int32_t index, char* text);
  virtual float meterLevel();
  virtual int32_t saveStateBlob(void** data, bool programOnly);
  virtual int32_t loadStateBlob(void* data, int32_t size, bool programOnly);
  virtual void applySampleRate(float rate);
  virtual void applyBlockSize(int32_t size);
  virtual void deactivate();
  virtual void activate();
  virtual void assignPluginId(int32_t id);
  virtual void assignInputCount(int32_t count);
  virtual void assignOutputCount(int32_t count);
  virtual void declareMeter(bool on);
  virtual void declareClipIndicator(bool on);
  virtual void declareMonoCapable(bool on);
  virtual void declareOverwriting(bool on);
  virtual void declareStateBlobs(bool on);
  virtual void assignRealtimeQuality(int32_t quality);
  virtual void assignOfflineQuality(int32_t quality);
  virtual void assignLatency(int32_t samples);
  virtual float currentSampleRate();
  virtual int32_t currentBlockSize();
  virtual int32_t askHostVersion();
  virtual int32_t askHostCurrentId();
  virtual void askHostIdle();
  virtual bool askInputConnected(int32_t index);
  virtual bool askOutputConnected(int32_t index);
  virtual void decibelsToText(float value, char* text);
  virtual void samplesToHertzText(float samples, char* text);
  virtual void samplesToMillisecondsText(float samples, char* text);
  virtual void floatToText(float value, char* text);
  virtual void integerToText(int32_t value, char* text);

protected:
  // Sends a request to the host; answers `fallback` without calling anything when there is no callback.
  intptr_t askHost(HostRequest request, int32_t index = 0, intptr_t value = 0, void* data = nullptr,
                   float scalar = 0.0f, intptr_t fallback = 0);
  void setFlag(int32_t flag, bool on);
  bool hasFlag(int32_t flag) const { return (record_.capabilityFlags & flag) != 0; }
  int32_t parameterCount() const { return parameterCount_; }
  // The current program field; the gate's selectProgram stores into it itself. Both are read-modify-writes
  // (acquire and release): a selection that confirms its number before another thread stores a new one
  // hands that thread everything it wrote before the confirmation.
  void storeCurrentProgram(int32_t program) { currentProgram_.exchange(program, std::memory_order_acq_rel); }
  // Whether `program` is still the current one.
  bool confirmCurrentProgram(int32_t program) {
    return currentProgram_.compare_exchange_strong(program, program, std::memory_order_acq_rel);
  }

private:
  float sampleRate_;
  EditorBase* editor_;
  HostCallback callback_;
  int32_t programCount_;
  int32_t parameterCount_;
  // Read by parameter writes on the host's automation thread while the dispatcher may select a program.
  std::atomic<int32_t> currentProgram_{0};
  // Two for every running loop scope, plus one once the host closed the effect: one word, so that exactly
  // one of the close and the end of the last scope sees the other and deletes the effect, whichever
  // threads they run on.
  static constexpr uint32_t kClosedByHost = 1;
  static constexpr uint32_t kOneLoop = 2;
  std::atomic<uint32_t> loopsAndClose_{0};
  int32_t blockSize_;
  PluginRecord record_;
};
