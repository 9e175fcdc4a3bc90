// PluginEffectExt: the extended effect base. Answers opcodes 25 to 58 too (the dispatcher's table,
// opcode_table.cpp), with defaults until a derived effect overrides them, and adds the extended requests to
// the host. Its members are defined beside PluginEffect's, in the files of their jobs.
#pragma once

#include "host/plugin_effect.h"

class PluginEffectExt : public PluginEffect {
public:
  PluginEffectExt(HostCallback callback, int32_t programCount, int32_t parameterCount);

  bool passEventsToHost(void* events);

  intptr_t handleOpcode(int32_t opcode, int32_t index, intptr_t value, void* data, float scalar) override;

  // Appended after PluginEffect's, in the order the interface lists them.
  virtual void askHostForEvents(int32_t filter);
  virtual HostTimeInfo* askHostTime(int32_t mask);
  virtual int32_t askHostTempoForPosition(int32_t position);
  virtual int32_t receiveEvents(void* events);
  virtual int32_t askHostAutomatableCount();
  virtual int32_t askHostQuantization();
  virtual bool isAutomatable(int32_t index);
  virtual bool parseParameterText(int32_t index, char* text);
  virtual float channelParameterValue(int32_t channel, int32_t index);
  virtual int32_t programCategoryCount();
  virtual bool fetchIndexedProgramName(int32_t category, int32_t index, char* text);
  virtual bool duplicateProgram(int32_t destination);
  virtual bool tellHostIoChanged();
  virtual bool tellHostNeedsIdle();
  virtual bool askHostResizeWindow(int32_t width, int32_t height);
  virtual float refreshSampleRate();
  virtual int32_t refreshBlockSize();
  virtual int32_t askHostInputLatency();
  virtual int32_t askHostOutputLatency();
  virtual PluginRecord* askHostPreviousPlugin();
  virtual PluginRecord* askHostNextPlugin();
  virtual void inputConnectionChanged(int32_t index, bool connected);
  virtual void outputConnectionChanged(int32_t index, bool connected);
  virtual bool fetchInputProperties(int32_t index, void* properties);
  virtual bool fetchOutputProperties(int32_t index, void* properties);
  virtual int32_t pluginCategory();
  virtual int32_t askHostProcessMode();
  virtual int32_t askHostProcessLevel();
  virtual int32_t askHostAutomationState();
  virtual void declareAsync(bool on);
  virtual void declareExternalBuffer(bool on);
  virtual int32_t currentPosition();
  virtual float* destinationBuffer();
  virtual bool askHostOfflineRead(void* task, int32_t option, bool readSource);
  virtual bool askHostOfflineWrite(void* task, int32_t option);
  virtual bool askHostOfflineStart(void* files, int32_t fileCount, int32_t newFileCount);
  virtual int32_t askHostOfflinePass();
  virtual int32_t askHostOfflineMetaPass();
  virtual bool offlineNotice(void* files, int32_t fileCount, bool start);
  virtual bool offlinePrepareTask(void* task, int32_t count);
  virtual bool offlineRunTask(void* task, int32_t count);
  virtual int32_t offlinePassCount();
  virtual int32_t offlineMetaPassCount();
  virtual void tellHostOutputSampleRate(float rate);
  virtual bool askHostSpeakerArrangement(void* input, void* output);
  virtual bool askHostVendorText(char* text);
  virtual bool askHostProductText(char* text);
  virtual int32_t askHostVendorVersion();
  virtual int32_t askHostVendorSpecific(int32_t a, int32_t b, void* p, float f);
  virtual int32_t askHostCapability(char* word);
  virtual void declareInstrument(bool on);
  virtual void declareSilentTail(bool on);
  virtual int32_t askHostLanguage();
  virtual void* askHostOpenWindow(void* window);
  virtual bool askHostCloseWindow(void* window);
  virtual void* askHostDirectory();
  virtual bool askHostRedisplay();
  virtual bool processVariableBlock(void* io);
  virtual bool applySpeakerArrangement(void* input, void* output);
  virtual void applyBlockSizeAndRate(int32_t blockSize, float rate);
  virtual bool applyBypass(bool on);
  virtual bool fetchEffectName(char* text);
  virtual bool fetchErrorText(char* text);
  virtual bool fetchVendorText(char* text);
  virtual bool fetchProductText(char* text);
  virtual int32_t vendorVersion();
  virtual int32_t vendorRequest(int32_t a, int32_t b, void* p, float f);
  virtual int32_t capability(char* word);
  virtual void* iconHandle();
  virtual bool applyViewPosition(int32_t x, int32_t y);
  virtual int32_t tailLength();
  virtual int32_t backgroundIdle();
  virtual bool fetchParameterProperties(int32_t index, void* properties);
  virtual bool needsKeys();
  virtual int32_t interfaceVersion();
};
