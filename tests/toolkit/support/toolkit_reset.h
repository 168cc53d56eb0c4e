// Shared by tests that open windows and dialogs: the one reset that puts the toolkit's
// process-wide state back as a fresh process has it, so that one case leaves nothing behind for
// the next.
#pragma once

#include "state/toolkit_state.h"

namespace windlass::testing {

using windlass::ResetToolkitState;

}  // namespace windlass::testing
