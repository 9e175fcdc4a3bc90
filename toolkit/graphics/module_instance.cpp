// Storage for the module handle.
#include "toolkit/graphics/module_instance.h"

void* moduleInstance = nullptr;
