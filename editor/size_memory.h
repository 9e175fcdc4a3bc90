// Where the editor keeps the size its user chose, in percent: one value under HKEY_CURRENT_USER. It
// depends on nothing, so gatehost can set it for one session.
#pragma once

constexpr char kSizeMemoryKey[] = "Software\\StepGate";
constexpr char kSizeMemoryValue[] = "EditorSize";
