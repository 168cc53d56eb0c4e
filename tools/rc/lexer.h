// Splitting the lines of a resource script into tokens.
#pragma once

#include <string_view>
#include <vector>

#include "token.h"

namespace heatwise::rc {

// What carries over from one line to the next: an open /* comment.
struct LexState {
    bool in_comment = false;
    int comment_line = 0;
};

// kSkipping reads lines that an #if leaves out: only comments are followed, nothing is
// reported and no tokens are made.
enum class LexMode { kTokens, kSkipping };

// Appends the tokens of one line (backslash continuations already joined) to `out`.
// Throws ScriptError on a malformed number, string or character.
void LexLine(std::string_view line, const Location& where, LexState& state, LexMode mode,
             std::vector<Token>& out);

}  // namespace heatwise::rc
