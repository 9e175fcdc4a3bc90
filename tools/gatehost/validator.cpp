// The validator's bookkeeping: groups, checks, failures and the report.
#include "tools/gatehost/validator.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>

#include "tools/gatehost/report.h"

namespace {

// Enough failures per group to see the pattern without drowning the table.
constexpr size_t kFailuresShown = 5;

} // namespace

Validator::Validator(const PluginLibrary& library, int32_t strictness, uint32_t seed)
    : library_(library), strictness_(std::clamp(strictness, 1, kMaxStrictness)), random_(seed) {}

int32_t Validator::scaled(int32_t count) const {
  return std::max<int32_t>(1,
                           static_cast<int32_t>(static_cast<int64_t>(count) * strictness_ / kMaxStrictness));
}

float Validator::uniform(float low, float high) {
  return std::uniform_real_distribution<float>(low, high)(random_);
}

int32_t Validator::pick(int32_t low, int32_t high) {
  return std::uniform_int_distribution<int32_t>(low, high)(random_);
}

void Validator::runGroup(const std::string& name, const std::function<void(Validator&)>& group) {
  groups_.emplace_back();
  groups_.back().name = name;
  const auto start = std::chrono::steady_clock::now();
  try {
    group(*this);
  } catch (const std::exception& error) {
    check(false, std::string("the group stopped: ") + error.what());
  }
  groups_.back().milliseconds =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  std::fprintf(stderr, "gatehost validate: %s done\n", name.c_str());
}

bool Validator::check(bool ok, const std::string& what) {
  Group& group = groups_.back();
  ++group.checks;
  if (!ok) {
    ++group.failures;
    if (group.firstFailures.size() < kFailuresShown) group.firstFailures.push_back(what);
  }
  return ok;
}

bool Validator::failed() const {
  return std::any_of(groups_.begin(), groups_.end(), [](const Group& group) { return group.failures != 0; });
}

std::string Validator::report() const {
  std::vector<TableRow> rows = {{"group", "checks", "failures", "ms"}};
  std::string details;
  for (const Group& group : groups_) {
    char milliseconds[32];
    std::snprintf(milliseconds, sizeof milliseconds, "%.0f", group.milliseconds);
    rows.push_back({group.name, std::to_string(group.checks), std::to_string(group.failures), milliseconds});
    for (const std::string& failure : group.firstFailures)
      details += "  " + group.name + ": " + failure + "\n";
  }
  std::string text = formatTable(rows);
  if (!details.empty()) text += "\nFirst failures:\n" + details;
  text += failed() ? "\nFAILED\n" : "\nPASSED\n";
  return text;
}
