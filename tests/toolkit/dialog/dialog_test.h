// Shared by the dialog manager's tests: every case starts from the toolkit's state at program
// start, on the recording platform; a case plays the user through the backend reports.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "backend_events.h"
#include "dialog/dialog_manager.h"
#include "recording_platform.h"
#include "support/toolkit_reset.h"
#include "windlass/windlass.h"

namespace windlass::testing {

// The dialogs of test_dialogs.rc.
inline constexpr int kForm = 200;
inline constexpr int kSettings = 300;
inline constexpr int kNote = 310;
inline constexpr int kPanel = 400;
inline constexpr int kKeyboard = 320;
inline constexpr int kSeasons = 330;
inline constexpr int kGauge = 340;

// A message as the tests compare it: its type, the dialog and the two field values.
struct Posted {
    int type = 0;
    int window = 0;
    int data1 = 0;
    int data2 = 0;

    bool operator==(const Posted&) const = default;
    friend void PrintTo(const Posted& posted, std::ostream* out) {
        *out << "{type " << posted.type << ", dialog " << posted.window << ", " << posted.data1
             << ", " << posted.data2 << "}";
    }
};

inline Posted FieldMessage(int dialog, int previous, int current) {
    return {MSG_FIELD, dialog, previous, current};
}
inline Posted ButtonMessage(int dialog, int button, int previous) {
    return {MSG_BUTTON, dialog, button, previous};
}

class DialogTest : public ::testing::Test {
  protected:
    DialogTest() {
        ResetToolkitState();
        InstallDialogManager();
        backend::ReportFocusMoves(*platform_);
    }
    ~DialogTest() override {
        WindowClose();
        UnloadAllDialogs();
        ResetToolkitState();
    }

    RecordingPlatform& platform() { return *platform_; }

    // The platform's dialog and controls of the current dialog.
    RecordedDialog& CurrentDialog() {
        DialogRecord* dialog = Dialogs().Current();
        EXPECT_NE(dialog, nullptr);
        return *platform().DialogOf(dialog->window);
    }
    WindowHandle Field(int id) { return platform().ControlById(CurrentDialog().handle(), id); }
    RecordedControl& Control(int id) { return *platform().ControlOf(Field(id)); }
    FieldRecord& Record(int id) { return Dialogs().Current()->Find(id)->field; }
    // The id of the control that has the focus; 0 for none.
    int FocusedId() {
        RecordedControl* focused = platform().ControlOf(platform().focused);
        return focused != nullptr ? focused->id : 0;
    }

    // The user selects the whole text of a field and types over it.
    void TypeOver(WindowHandle field, const char* characters) {
        platform().ControlOf(field)->text.clear();
        backend::Type(platform(), characters);
    }

    // Tab, and whether the focus went where the toolkit first sent it: a field that refuses
    // to let it go, or a pending field that takes it back, keeps it.
    bool Tab() {
        WindowHandle from = platform().focused;
        std::size_t before = platform().calls.size();
        backend::Key(platform(), NavigationKey::Tab);
        RecordedControl* now = platform().ControlOf(platform().focused);
        for (std::size_t at = before; at < platform().calls.size(); ++at) {
            if (platform().calls[at].starts_with("FocusControl(")) {
                return now != nullptr && platform().focused != from &&
                       platform().calls[at] ==
                           "FocusControl(#" + std::to_string(now->position) + ")";
            }
        }
        return false;
    }

    // One row of a table of calls: what the program calls, the error it raises, and the text a
    // field shows after it.
    struct Call {
        std::function<void()> call;
        int error;
        int field;
        std::string text;
    };
    void Expect(const std::vector<Call>& rows) {
        for (std::size_t row = 0; row < rows.size(); ++row) {
            rows[row].call();
            EXPECT_EQ(InfoError(1), rows[row].error) << "row " << row;
            EXPECT_EQ(Control(rows[row].field).text, rows[row].text) << "row " << row;
        }
    }

    // The messages raised so far, oldest first; they are taken out of the queue.
    std::vector<Posted> TakeMessages() {
        std::vector<Posted> taken;
        while (Messages().HasQueued()) {
            RaisedMessage message = Messages().Next(Windows(), [] {});
            const MessageRecord& record = message.record;
            taken.push_back({message.type, record.window, record.data1, record.data2});
        }
        return taken;
    }

  private:
    ScopedRecordingPlatform platform_;
};

// The form fills the main window, with the field message on, and the user is in the field.
template <int kField>
class FormInMainWindow : public DialogTest {
  protected:
    FormInMainWindow() {
        WindowOpen2(39, WINDOW_CENTRED, WINDOW_CENTRED, 0, 0, 0, {}, kForm);
        WMessageEnable(MSG_FIELD, 1);
        backend::Focus(platform(), Field(kField));
        TakeMessages();
    }
};

}  // namespace windlass::testing
