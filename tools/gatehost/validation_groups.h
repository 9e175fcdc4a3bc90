// The validator's groups of checks, one file each; `gatehost validate` runs them in this order.
#pragma once

#include "tools/gatehost/validator.h"

// Many instances, one after another, many alive at once, and created and destroyed from several threads.
void validateLifecycle(Validator& validator);
// Every opcode from far below 0 to 70 and beyond, with edge-case indices, values, scalars and data.
void validateOpcodes(Validator& validator);
// Program changes in and out of range, and renames with long, empty and non-ASCII names.
void validateProgramsAndNames(Validator& validator);
// At the highest strictness: two threads selecting programs at once, and a rename while names are fetched.
void validateProgramThreads(Validator& validator);
// Random parameter writes and reads through the record's two parameter entries, NaN and infinities
// included, with the texts the host reads and the sound that follows.
void validateParameters(Validator& validator);
// Sample rates, block sizes, tempos and positions, valid and not, through both processing entries.
void validateProcessing(Validator& validator);
// The editor opened and closed again and again while other threads process audio and write parameters;
// GDI objects and windows counted before and after.
void validateEditor(Validator& validator);
// The editor opened without a window, and closed with the whole effect from the host's timer inside the
// editor's own loops (the pattern menu, a fader's drag); windows and GDI objects counted before and after.
void validateEditorCloses(Validator& validator);
