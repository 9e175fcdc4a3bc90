// Tells a leak from the objects the platform makes for itself while some work is repeated. Wine makes a
// few of its own at moments that depend on timing and keeps them (device contexts for its cache, with
// their regions, which stay when the windows they served are gone), so one exact count before and after
// fails by chance on a busy machine. Those come a few times at most, while a missed release adds at
// least one object every round: the work runs in batches until one batch leaves every count where it
// found it. A leak can look level too, once it has filled the platform's handle table and nothing more
// can be made, so all the batches together may change each count by a handful of objects only.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

struct ResourceCounts {
  int32_t gdiObjects = 0;
  int32_t windows = 0;
  int32_t menus = 0;
};

struct LeakCheck {
  int32_t roundsPerBatch = 0;
  int32_t batches = 0;
  ResourceCounts lastBatchChange;
  ResourceCounts totalChange;

  bool passed() const;
  // The batches and what they changed, for a failure message.
  std::string description() const;
};

// One round first, for what the platform makes on first use and keeps; then batches of `roundsPerBatch`
// rounds, at most five, until one changes no count.
LeakCheck repeatUntilLevel(int32_t roundsPerBatch, const std::function<void()>& round);
