// Reading a resource script into the resources it defines.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "preprocessor.h"
#include "script_model.h"

namespace heatwise::rc {

// The statements understood, written in the other platform's resource-script syntax:
//   id MENU | MENUEX          BEGIN  MENUITEM ... | POPUP ... BEGIN ... END  END
//   id DIALOG | DIALOGEX x, y, cx, cy  [STYLE, EXSTYLE, CAPTION, FONT, MENU, CLASS]
//                                      BEGIN  controls  END
//   id RCDATA BEGIN numbers, "strings" END     or     id RCDATA "file"
//   id ICON "file.ico"
//   id ACCELERATORS BEGIN "key", command [, VIRTKEY, ASCII, NOINVERT, ALT, SHIFT, CONTROL] END
//   id WLMENUSTRING | "TYPE" | number-from-256  BEGIN ... END  or  "file"
//   STRINGTABLE BEGIN id, "text" ... END
// Ids are numbers (expressions) or names; keywords match without regard to letter case.
// Anything else is an error: nothing unknown is skipped.
//
// Throws ScriptError ("file:line: reason") at the first problem.
ResourceScript ReadScriptFile(const std::filesystem::path& script,
                              const PreprocessOptions& options);
ResourceScript ReadScriptText(std::string_view text, const SourceFile& file,
                              const PreprocessOptions& options);

}  // namespace heatwise::rc
