// The two capability word lists the interface defines, kept as reference for effects built on the base:
// nothing reads them (`capability` answers 0 to every word; `askHostCapability` sends its caller's word).
#include "host/capability_words.h"

const char* const hostCapabilityWords[13] = {
    "sendEvents",
    "sendMidiEvent",
    "sendTimeInfo",
    "receiveEvents",
    "receiveMidiEvent",
    "receiveTimeInfo",
    "reportConnectionChanges",
    "acceptIOChanges",
    "sizeWindow",
    "asyncProcessing",
    "offline",
    "supplyIdle",
    "supportShell",
};

const char* const effectCapabilityWords[23] = {
    "sendEvents",       "sendMidiEvent",   "sendTimeInfo", "receiveEvents",
    "receiveMidiEvent", "receiveTimeInfo", "offline",      "plugAsChannelInsert",
    "plugAsSend",       "mixDryWet",       "noRealTime",   "multipass",
    "metapass",         "1in1out",         "1in2out",      "2in1out",
    "2in2out",          "2in4out",         "4in2out",      "4in4out",
    "4in8out",          "8in4out",         "8in8out",
};
