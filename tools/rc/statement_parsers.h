// The readers of the individual resource statements, shared by the script reader.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "script_model.h"
#include "token_cursor.h"

namespace heatwise::rc {

enum class MenuForm { kMenu, kMenuEx };

// Each reader starts after the statement's type keyword and its memory options, and leaves
// the cursor after the statement's closing END. `what` names the resource in messages, as
// "MENU 30001".
MenuDef ReadMenu(TokenCursor& cursor, MenuForm form, const std::string& what);
DialogDef ReadDialog(TokenCursor& cursor, windlass::DialogForm form, const std::string& what);
Accelerators ReadAccelerators(TokenCursor& cursor, const std::string& what);
// A raw data block: 16-bit numbers (32-bit with an L suffix) and strings, commas optional.
Bytes ReadDataBlock(TokenCursor& cursor, const std::string& what);

// Skips the memory options (PRELOAD, DISCARDABLE and the like) that older scripts write after
// the type; they mean nothing to this program.
void SkipMemoryOptions(TokenCursor& cursor);

}  // namespace heatwise::rc
