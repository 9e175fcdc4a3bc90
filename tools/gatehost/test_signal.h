// The sound gatehost gates when no input file is given: a sustained chord, so every step of the gate
// pattern is easy to hear and to measure.
#pragma once

#include "tools/gatehost/wav_file.h"

StereoSound sustainedChord(int32_t sampleRate, int32_t frames);
