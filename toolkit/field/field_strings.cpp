// The text procedures of the dialog fields: WDialogPutString, WDialogGetString and
// WDialogGetStringLength.
#include <string>

#include "errors/fixed_text.h"
#include "field/field_access.h"
#include "field/field_text.h"
#include "platform/platform.h"
#include "windlass/windlass.h"

void WDialogPutString(int ifield, std::string_view text) {
    using namespace windlass;
    if (ControlRecord* control = CurrentFieldOrRaise(ifield)) {
        // No value of its own: the field takes the number its text holds, if any, else 0.
        yyfieldputtext(*control, TrimTrailingBlanks(text), 0.0, {});
    }
}

void WDialogGetString(int ifield, std::string& text) {
    using namespace windlass;
    if (ControlRecord* control = CurrentFieldOrRaise(ifield)) {
        PutFixed(text, ThePlatform().Controls().ControlText(control->handle));
    }
}

void WDialogGetStringLength(int ifield, int& length) {
    using namespace windlass;
    if (ControlRecord* control = CurrentFieldOrRaise(ifield)) {
        length = static_cast<int>(ThePlatform().Controls().ControlText(control->handle).size());
    }
}
