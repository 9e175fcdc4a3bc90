// Checks the step-level measurement and the rendering loop's time record, with a stand-in effect.
#include <gtest/gtest.h>

#include "tools/gatehost/render.h"

TEST(StepLevels, MeasuresTheFirstWholeBar) {
  RenderSettings settings;
  settings.tempo = 120.0;
  settings.startPosition = 2.0; // half a bar in: the first whole bar is the second
  StereoSound input, output;
  const int32_t bar = static_cast<int32_t>(framesPerBar(120.0, 44100.0));
  EXPECT_EQ(bar, 88200);
  input.left.assign(static_cast<size_t>(2 * bar), 0.5f);
  input.right = input.left;
  output = input;
  // Silence step 3 of the second bar: frames from half a bar plus 2/16 of a bar.
  const double stepFrames = bar / 16.0;
  for (int32_t k = 0; k < 2 * bar; ++k)
    if (static_cast<int32_t>((k - bar / 2) / stepFrames) == 2) output.left[k] = output.right[k] = 0;
  const StepLevels levels = measureStepLevels(input, output, settings);
  EXPECT_EQ(levels.bar, 1);
  for (int32_t step = 0; step < 16; ++step)
    EXPECT_NEAR(levels.gain[step], step == 2 ? 0.0 : 1.0, 0.01) << step;
  const std::string table = formatStepLevels(levels);
  EXPECT_NE(table.find("   3  0.000  |"), std::string::npos) << table;
}
