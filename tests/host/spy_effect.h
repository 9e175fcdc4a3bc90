// A test effect that records which virtual operation the dispatcher reached and with what.
#pragma once

#include <string>
#include <vector>

#include "host/plugin_effect_ext.h"

class SpyEffect : public PluginEffectExt {
public:
  explicit SpyEffect(HostCallback callback, int32_t programs = 16, int32_t parameters = 34)
      : PluginEffectExt(callback, programs, parameters) {}

  std::vector<std::string> log;
  float meter = 0.0f;

  void processAccumulating(float**, float**, int32_t) override { log.push_back("accumulate"); }
  void processOverwriting(float**, float**, int32_t) override { log.push_back("overwrite"); }
  void writeParameter(int32_t index, float value) override {
    log.push_back("write " + std::to_string(index) + " " + std::to_string(value));
  }
  float readParameter(int32_t index) override { return static_cast<float>(index) / 2.0f; }
  void hostOpened() override { log.push_back("opened"); }
  void hostClosing() override { log.push_back("closing"); }
  void selectProgram(int32_t program) override {
    log.push_back("select " + std::to_string(program));
    PluginEffectExt::selectProgram(program);
  }
  void renameProgram(char* text) override { log.push_back(std::string("rename ") + text); }
  float meterLevel() override { return meter; }
  void deactivate() override { log.push_back("deactivate"); }
  void activate() override { log.push_back("activate"); }

  using PluginEffect::hasFlag;
};
