// Storage for the module-wide values.
#include "host/module_state.h"

void* moduleInstance = nullptr;
bool creationFailed = false;
