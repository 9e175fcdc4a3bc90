// Validator: runs groups of checks against a plug-in the way a careless host would drive it, counts what
// ran and what failed, and prints the table `gatehost validate` reports.
#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "tools/gatehost/plugin_library.h"

class Validator {
public:
  static constexpr int32_t kMaxStrictness = 10;

  Validator(const PluginLibrary& library, int32_t strictness, uint32_t seed);

  const PluginLibrary& library() const { return library_; }
  int32_t strictness() const { return strictness_; }
  // `count` scaled by the strictness: the highest strictness runs it as given, lower ones fewer (at least 1).
  int32_t scaled(int32_t count) const;
  std::mt19937& random() { return random_; }
  float uniform(float low, float high);
  int32_t pick(int32_t low, int32_t high);

  // Runs one group of checks, timing it and catching what it throws.
  void runGroup(const std::string& name, const std::function<void(Validator&)>& group);
  // Counts a check of the running group; a false `ok` records `what` as a failure.
  bool check(bool ok, const std::string& what);
  // Counts `count` checks that all passed (bulk sample scans).
  void passed(int64_t count) { groups_.back().checks += count; }

  bool failed() const;
  std::string report() const;

private:
  struct Group {
    std::string name;
    int64_t checks = 0;
    int64_t failures = 0;
    double milliseconds = 0.0;
    std::vector<std::string> firstFailures;
  };

  const PluginLibrary& library_;
  int32_t strictness_;
  std::mt19937 random_;
  std::vector<Group> groups_;
};
