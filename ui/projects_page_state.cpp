#include "ui/projects_page_state.h"

namespace {

ProjectsPageState gPageState;

}  // namespace

ProjectsPageState& PageState() { return gPageState; }
