#include "process_menu.h"

#include "form_ids.h"
#include "windlass/windlass.h"

namespace heatwise {

void ProcessMenu(int menu_item, int& quit_flag) {
    switch (menu_item) {
        case CMD_HELP:
            // No topic: the viewer opens the document at its contents (its finder, when the
            // contents file stands beside it). A document that cannot be shown is the
            // toolkit's to report; the program goes on either way.
            WHelpFile1(kHelpFileName);
            break;
        case CMD_EXIT:
            quit_flag = 1;
            break;
        default:
            break;
    }
}

}  // namespace heatwise
