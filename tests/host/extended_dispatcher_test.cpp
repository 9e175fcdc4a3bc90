// Checks the default answers of opcodes 25 to 58 and that other opcodes pass through unchanged.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/host/spy_effect.h"

namespace {

intptr_t dispatch(PluginEffect& effect, int32_t opcode, int32_t index = 0, intptr_t value = 0,
                  void* data = nullptr, float scalar = 0.0f) {
  return effect.handleOpcode(opcode, index, value, data, scalar);
}

} // namespace

TEST(ExtendedDispatcher, DefaultAnswers) {
  SpyEffect effect(nullptr);
  char word[] = "2in2out";
  int blob = 0;
  struct Case {
    int32_t opcode;
    void* data;
    intptr_t answer;
  } cases[] = {
      {25, &blob, 0},   {26, nullptr, 1},  {27, word, 0},    {28, nullptr, 1}, {29, word, 0},
      {30, nullptr, 0}, {31, nullptr, 1},  {32, nullptr, 1}, {33, &blob, 0},   {34, &blob, 0},
      {35, nullptr, 0}, {36, nullptr, 0},  {37, nullptr, 0}, {38, &blob, 0},   {39, &blob, 0},
      {40, &blob, 0},   {41, &blob, 0},    {42, &blob, 0},   {44, nullptr, 0}, {49, nullptr, 0},
      {50, &blob, 0},   {51, word, 0},     {51, nullptr, 0}, {52, nullptr, 0}, {53, nullptr, 0},
      {54, nullptr, 0}, {55, nullptr, 0},  {56, &blob, 0},   {57, nullptr, 1}, {58, nullptr, 2},
      {59, nullptr, 0}, {100, nullptr, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(dispatch(effect, c.opcode, 3, 1, c.data, 1.0f), c.answer) << c.opcode;
}

TEST(ExtendedDispatcher, NameOpcodesAnswerZeroAndLeaveTheTextAlone) {
  SpyEffect effect(nullptr);
  for (int32_t opcode = 45; opcode <= 48; ++opcode) {
    char text[64] = "host text";
    EXPECT_EQ(dispatch(effect, opcode, 0, 0, text), 0);
    EXPECT_STREQ(text, "host text");
    EXPECT_EQ(dispatch(effect, opcode, 0, 0, nullptr), 0);
  }
}

TEST(ExtendedDispatcher, BlockSizeAndRateSetsBothAndAnswersOne) {
  SpyEffect effect(nullptr);
  EXPECT_EQ(dispatch(effect, 43, 0, 512, nullptr, 96000.0f), 1);
  EXPECT_EQ(effect.currentBlockSize(), 512);
  EXPECT_EQ(effect.currentSampleRate(), 96000.0f);
}

TEST(ExtendedDispatcher, InstrumentFlagMakesTheCategoryTwo) {
  SpyEffect effect(nullptr);
  effect.declareInstrument(true);
  EXPECT_EQ(dispatch(effect, 35), 2);
  effect.declareInstrument(false);
  EXPECT_EQ(dispatch(effect, 35), 0);
}

TEST(ExtendedDispatcher, LowerOpcodesReachTheBaseDispatcher) {
  SpyEffect effect(nullptr, 16);
  EXPECT_EQ(dispatch(effect, 2, 0, 4), 0);
  EXPECT_EQ(dispatch(effect, 3), 4);
  EXPECT_EQ(dispatch(effect, 22), 0x4E764566);
  EXPECT_EQ(dispatch(effect, 24, 0, 0, nullptr), 0);
}
