#include "numeric/validation_state.h"

namespace windlass {

ValidationState& Validation() {
    static ValidationState state;
    return state;
}

}  // namespace windlass
