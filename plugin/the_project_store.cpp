#include "plugin/the_project_store.h"

namespace {

// A namespace-scope object, so that it is built while the library loads
// rather than on first use, and destroyed while it unloads.
ProjectStore gProjectStore;

}  // namespace

ProjectStore& TheProjectStore() { return gProjectStore; }
