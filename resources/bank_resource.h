// The program bank as the library carries it: the records of its "BANK" resource, read from a loaded
// module. The editor reads its own library's, gatehost the one it loaded.
#pragma once

#include <vector>

#include "gate/program_record.h"

// Every whole record of the module's bank; none when the module carries no bank.
std::vector<ProgramRecord> readBankResource(void* module);
