// The plug-in's one ProjectStore.
#pragma once

#include "projects/project_store.h"

// Built when the library is loaded, destroyed when it is unloaded.
ProjectStore& TheProjectStore();
