#include "dialog/dialog_manager.h"

#include "dialog/dialog_load.h"
#include "dialog/dialog_show.h"
#include "dialog/dialog_table.h"
#include "errors/error_state.h"
#include "numeric/validation_state.h"
#include "resources/resource_lookup.h"
#include "windlass/windlass.h"

namespace windlass {
namespace {

// A form fills the client area only as a child control-dialog without border, frame or
// system menu.
bool FitsAsClientArea(const DialogTemplate& dialog) {
    std::uint32_t style = dialog.style;
    bool required =
        styles::Has(style, styles::kChild) && styles::Has(style, styles::kControlDialog);
    bool refused = (style & (styles::kBorder | styles::kDialogFrame | styles::kSystemMenu)) != 0;
    return required && !refused;
}

// The listener of a dialog made only to be measured: it hears nothing.
class DeafListener : public DialogListener {
  public:
    void OnNotice(int, ControlNotice) override {}
    void OnHelpRequest() override {}
    void OnActivate() override {}
    CharacterVerdict OnNumericCharacter(int, int character) override {
        return {CharacterVerdict::Kind::Insert, character, false};
    }
    void OnNumericKey(int, int) override {}
    void OnNumericFocusGained(int) override {}
    FocusVerdict OnNumericFocusLeaving(int, WindowHandle) override { return FocusVerdict::Allow; }
    void OnSpin(int, int) override {}
    void OnButtonFocusLost(int) override {}
    void OnButtonReleasedOutside(int) override {}
};

}  // namespace

FormTest TestForm(int dialog_id) {
    const DialogTemplate* source = FindDialog(dialog_id);
    if (source == nullptr) {
        return {FormTest::Result::CannotLoad, {}};
    }
    Platform& platform = ThePlatform();
    DeafListener listener;
    WindowHandle trial = platform.CreateDialog(*source, nullptr, listener);
    if (trial == nullptr) {
        return {FormTest::Result::CannotLoad, {}};
    }
    FormTest test{FormTest::Result::WrongStyle, {}};
    if (FitsAsClientArea(*source)) {
        test = {FormTest::Result::Fits, platform.DialogSize(trial)};
    }
    platform.DestroyDialog(trial);
    return test;
}

void EmbedForm(int dialog_id, WindowHandle frame, WindowHandle client) {
    DialogTable& table = Dialogs();
    // The main window is made: fields start saving their text on their first focus.
    Validation().save_on_next_focus = true;
    if (yydialogload2(dialog_id, client) <= 0) {
        yyerror(ERR_DIALOG_LOAD);
        return;
    }
    DialogRecord& form = *table.Current();
    form.main_window = frame;
    yydialogshow(form, DialogPlace{0, 0}, 0, DIALOG_MODELESS, ShowRoot::Yes);
    table.current_id = dialog_id;
}

void InstallDialogManager() {
    FormEmbedding& embedding = Embedding();
    embedding.test = TestForm;
    embedding.embed = EmbedForm;
    embedding.unload_all = UnloadAllDialogs;
}

}  // namespace windlass
