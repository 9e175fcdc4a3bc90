// Compiled into every toolkit test executable: bitmaps and the window class come from the executable
// itself, as they come from the plug-in library in the real thing.
#include <windows.h>

#include <gtest/gtest.h>

#include "toolkit/graphics/module_instance.h"

namespace {

class TestModuleEnvironment : public ::testing::Environment {
public:
  void SetUp() override { moduleInstance = GetModuleHandleA(nullptr); }
};

const ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new TestModuleEnvironment);

} // namespace
