#include "errors/window_hooks.h"

namespace windlass {

WindowHooks& Hooks() {
    static WindowHooks hooks;
    return hooks;
}

}  // namespace windlass
