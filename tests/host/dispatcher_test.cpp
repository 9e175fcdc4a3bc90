// Checks that opcodes 0 to 24 reach the right operation with the right arguments and answer as hosts expect.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "host/editor_base.h"
#include "tests/host/spy_effect.h"

namespace {

intptr_t dispatch(PluginEffect& effect, Opcode opcode, int32_t index = 0, intptr_t value = 0,
                  void* data = nullptr, float scalar = 0.0f) {
  return effect.handleOpcode(static_cast<int32_t>(opcode), index, value, data, scalar);
}

// An editor that records the host's editor opcodes.
struct SpyEditor : EditorBase {
  explicit SpyEditor(PluginEffect* effect, std::vector<std::string>* log) : EditorBase(effect), log(log) {}
  int32_t queryRect(EditorRect** rect) override {
    log->push_back("rect");
    *rect = &area;
    return 1;
  }
  int32_t openIn(void* window) override {
    log->push_back(window != nullptr ? "open window" : "open null");
    return 7;
  }
  void closeEditor() override { log->push_back("close"); }
  void applyUpdate() override { log->push_back("update"); }
  EditorRect area{0, 0, 240, 386};
  std::vector<std::string>* log;
};

} // namespace

TEST(Dispatcher, ProgramNumbersOutsideTheCountAreIgnored) {
  SpyEffect effect(nullptr, 16);
  struct Case {
    intptr_t program;
    bool selected;
  } cases[] = {{0, true}, {15, true}, {16, false}, {-1, false}, {INT_MIN, false}, {INT_MAX, false}};
  for (const Case& c : cases) {
    effect.log.clear();
    EXPECT_EQ(dispatch(effect, Opcode::SelectProgram, 0, c.program), 0);
    EXPECT_EQ(effect.log.size(), c.selected ? 1u : 0u) << c.program;
  }
  EXPECT_EQ(dispatch(effect, Opcode::CurrentProgram), 15);
}

TEST(Dispatcher, MeterAnswerIsScaledTruncatedAndSaturated) {
  SpyEffect effect(nullptr);
  struct Case {
    float level;
    intptr_t answer;
  } cases[] = {{0.5f, 16383},
               {1.0f, 32767},
               {0.0f, 0},
               {-0.5f, -16383},
               {1e30f, INT_MAX},
               {-1e30f, INT_MIN},
               {__builtin_nanf(""), 0},
               {__builtin_inff(), INT_MAX},
               {-__builtin_inff(), INT_MIN}};
  for (const Case& c : cases) {
    effect.meter = c.level;
    EXPECT_EQ(dispatch(effect, Opcode::MeterLevel), c.answer) << c.level;
  }
}

TEST(Dispatcher, ActivationValueChoosesActivateOrDeactivate) {
  SpyEffect effect(nullptr);
  dispatch(effect, Opcode::Activation, 0, 5);
  dispatch(effect, Opcode::Activation, 0, 0);
  dispatch(effect, Opcode::Activation, 0, -1);
  EXPECT_EQ(effect.log, (std::vector<std::string>{"activate", "deactivate", "activate"}));
}

TEST(Dispatcher, SampleRateAndBlockSizeAreStored) {
  SpyEffect effect(nullptr);
  dispatch(effect, Opcode::SampleRate, 0, 0, nullptr, 48000.0f);
  dispatch(effect, Opcode::BlockSize, 0, 256);
  EXPECT_EQ(effect.currentSampleRate(), 48000.0f);
  EXPECT_EQ(effect.currentBlockSize(), 256);
}

TEST(Dispatcher, FixedAnswersForOpenCloseIdentifyAndUnknownOpcodes) {
  SpyEffect effect(nullptr);
  EXPECT_EQ(dispatch(effect, Opcode::Open), 0);
  EXPECT_EQ(dispatch(effect, Opcode::Close), 0);
  EXPECT_EQ(effect.log, (std::vector<std::string>{"opened", "closing"}));
  EXPECT_EQ(dispatch(effect, Opcode::Identify), 0x4E764566);
  for (int32_t opcode : {16, 17, 18, 20, 21, -1, -1000, 59, 70, INT_MAX})
    EXPECT_EQ(effect.handleOpcode(opcode, 1, 2, nullptr, 3.0f), 0) << opcode;
}

TEST(Dispatcher, TextOpcodesWriteTheBaseDefaultsAndIgnoreNullBuffers) {
  SpyEffect effect(nullptr);
  for (Opcode opcode :
       {Opcode::ProgramName, Opcode::ParameterUnit, Opcode::ParameterValueText, Opcode::ParameterName}) {
    char text[16] = "untouched";
    EXPECT_EQ(dispatch(effect, opcode, 3, 0, text), 0);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(dispatch(effect, opcode, 3, 0, nullptr), 0);
  }
  char name[] = "Pad";
  dispatch(effect, Opcode::RenameProgram, 0, 0, name);
  dispatch(effect, Opcode::RenameProgram, 0, 0, nullptr);
  EXPECT_EQ(effect.log, (std::vector<std::string>{"rename Pad"}));
}

TEST(Dispatcher, StateBlobsAnswerZeroAndLeaveTheHostPointer) {
  SpyEffect effect(nullptr);
  int marker = 0;
  void* blob = &marker;
  EXPECT_EQ(dispatch(effect, Opcode::SaveStateBlob, 1, 0, &blob), 0);
  EXPECT_EQ(blob, &marker);
  EXPECT_EQ(dispatch(effect, Opcode::LoadStateBlob, 0, 4, &marker), 0);
}

TEST(Dispatcher, EditorOpcodesWithoutEditorAnswerZeroAndTouchNothing) {
  SpyEffect effect(nullptr);
  EditorRect unchanged{};
  EditorRect* rect = &unchanged;
  EXPECT_EQ(dispatch(effect, Opcode::EditorRect, 0, 0, &rect), 0);
  EXPECT_EQ(rect, &unchanged);
  int window = 0;
  EXPECT_EQ(dispatch(effect, Opcode::EditorOpen, 0, 0, &window), 0);
  EXPECT_EQ(dispatch(effect, Opcode::EditorClose), 0);
  EXPECT_EQ(dispatch(effect, Opcode::EditorIdle), 0);
}

TEST(Dispatcher, EditorOpcodesReachTheAttachedEditor) {
  SpyEffect effect(nullptr);
  std::vector<std::string> log;
  SpyEditor editor(&effect, &log);
  effect.attachEditor(&editor);
  EditorRect* rect = nullptr;
  EXPECT_EQ(dispatch(effect, Opcode::EditorRect, 0, 0, &rect), 1);
  EXPECT_EQ(rect, &editor.area);
  EXPECT_EQ(dispatch(effect, Opcode::EditorRect, 0, 0, nullptr), 0);
  int window = 0;
  EXPECT_EQ(dispatch(effect, Opcode::EditorOpen, 0, 0, &window), 7);
  editor.requestUpdate();
  editor.requestUpdate();
  EXPECT_EQ(dispatch(effect, Opcode::EditorIdle), 0);
  EXPECT_EQ(dispatch(effect, Opcode::EditorIdle), 0);
  EXPECT_EQ(dispatch(effect, Opcode::EditorClose), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"rect", "open window", "update", "close"}));
}

TEST(EditorBase, DefaultsAnswerNoRectangleAndStoreTheWindow) {
  SpyEffect effect(nullptr);
  EditorBase editor(&effect);
  EditorRect dummy{};
  EditorRect* rect = &dummy;
  EXPECT_EQ(editor.queryRect(&rect), 0);
  EXPECT_EQ(rect, nullptr);
  int window = 0;
  EXPECT_EQ(editor.openIn(&window), 0);
  EXPECT_FALSE(editor.isUpdatePending());
  editor.requestUpdate();
  EXPECT_TRUE(editor.isUpdatePending());
  editor.onIdle();
  EXPECT_FALSE(editor.isUpdatePending());

  // A request made while an update is applied (a write from another thread, say) waits for the next idle.
  struct RequestingEditor : EditorBase {
    using EditorBase::EditorBase;
    void applyUpdate() override {
      if (++updates == 1) requestUpdate();
    }
    int32_t updates = 0;
  } requesting(&effect);
  requesting.requestUpdate();
  requesting.onIdle();
  EXPECT_TRUE(requesting.isUpdatePending());
  requesting.onIdle();
  EXPECT_EQ(requesting.updates, 2);
}
