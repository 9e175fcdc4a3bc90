// WindowDevice now lives with the other owning types; this name stays only for the controls that still
// include it, until they include toolkit/graphics/native_handles.h themselves.
#pragma once

#include "toolkit/graphics/native_handles.h"
