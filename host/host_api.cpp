#include "host/host_api.h"

namespace {
HostApi hostApi;  // filled during loading, never cleared
}

const HostApi& Host() { return hostApi; }
HostApi& HostApiForLoading() { return hostApi; }
