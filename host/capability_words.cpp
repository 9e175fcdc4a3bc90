// The two capability word lists; nothing in the gate reads them, effects built on the base may.
#include "host/capability_words.h"

const char* const hostCapabilityWords[13] = {
    "sendVstEvents",
    "sendVstMidiEvent",
    "sendVstTimeInfo",
    "receiveVstEvents",
    "receiveVstMidiEvent",
    "receiveVstTimeInfo",
    "reportConnectionChanges",
    "acceptIOChanges",
    "sizeWindow",
    "asyncProcessing",
    "offline",
    "supplyIdle",
    "supportShell",
};

const char* const effectCapabilityWords[23] = {
    "sendVstEvents",
    "sendVstMidiEvent",
    "sendVstTimeInfo",
    "receiveVstEvents",
    "receiveVstMidiEvent",
    "receiveVstTimeInfo",
    "offline",
    "plugAsChannelInsert",
    "plugAsSend",
    "mixDryWet",
    "noRealTime",
    "multipass",
    "metapass",
    "1in1out",
    "1in2out",
    "2in1out",
    "2in2out",
    "2in4out",
    "4in2out",
    "4in4out",
    "4in8out",
    "8in4out",
    "8in8out",
};
