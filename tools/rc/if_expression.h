// The value of an #if or #elif condition.
#pragma once

#include <cstdint>
#include <vector>

#include "token.h"

namespace heatwise::rc {

// Evaluates a condition whose macros are already replaced and whose `defined` tests are
// already numbers; a name left over counts as 0, as in C. Operators as in C, without ?:.
// Throws ScriptError on a malformed condition or a division by zero.
std::int64_t EvaluateCondition(const std::vector<Token>& tokens, const Location& where);

}  // namespace heatwise::rc
