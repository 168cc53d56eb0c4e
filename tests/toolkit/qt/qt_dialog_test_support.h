// Shared by the tests of the Qt dialogs: a listener that records what a dialog tells the
// toolkit and answers as the toolkit would, and a fixture that opens the dialogs of
// qt_dialog_test.rc on the offscreen platform and drives them with real key and mouse events.
//
// The target is built with QTEST_QPA_MOUSE_HANDLING, so that QTest's mouse events reach the
// window first and then the widget under the mouse, as a user's presses do.
#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dialog/dialog_keyboard.h"
#include "platform/dialog_types.h"
#include "platform/platform.h"
#include "platform/window_types.h"
#include "qt/qt_platform.h"
#include "resources/resource_lookup.h"
#include "support/counting_qt_platform.h"

namespace windlass::testing {

// Records every notice and question as one line, with controls named by their ids:
// "focus 101", "clicked 122", "pressed 1", "selection 141", "double 143", "help", "activate",
// "numeric-focus 101", "key 101 9", "char 101 97", "leaving 101 to 103", "spin 106 -5",
// "button-lost 2", "released-outside 1". The navigation keys are recorded on their own
// ("tab 101", "down 121", "return 153", "escape 111") and answered by the
// toolkit's keyboard rules over the template, unless a test answers them itself.
class RecordingListener : public DialogListener, private KeyboardDialog {
  public:
    void Attach(const DialogTemplate& dialog, WindowHandle window) {
        template_ = &dialog;
        window_ = window;
    }

    // The lines whose first word is one of `kinds`, in order.
    std::vector<std::string> Only(std::initializer_list<std::string> kinds) const {
        std::vector<std::string> lines;
        for (const std::string& line : log) {
            std::string kind = line.substr(0, line.find(' '));
            if (std::find(kinds.begin(), kinds.end(), kind) != kinds.end()) {
                lines.push_back(line);
            }
        }
        return lines;
    }

    // The control notices alone.
    std::vector<std::string> Notices() const {
        return Only({"focus", "clicked", "pressed", "selection", "double"});
    }

    void OnNotice(int control, ControlNotice notice) override {
        const char* names[] = {"pressed", "clicked", "selection", "double", "focus"};
        log.push_back(std::string(names[static_cast<int>(notice)]) + " " + Id(control));
        if (notice == ControlNotice::PushButtonPressed && on_press) {
            on_press(control);
        }
    }
    void OnHelpRequest() override { log.push_back("help"); }
    void OnActivate() override { log.push_back("activate"); }
    CharacterVerdict OnNumericCharacter(int control, int character) override {
        log.push_back("char " + Id(control) + " " + std::to_string(character));
        return characters(character);
    }
    void OnNumericKey(int control, int virtual_key) override {
        log.push_back("key " + Id(control) + " " + std::to_string(virtual_key));
    }
    void OnNumericFocusGained(int control) override {
        log.push_back("numeric-focus " + Id(control));
    }
    FocusVerdict OnNumericFocusLeaving(int control, WindowHandle target) override {
        const int to = IdOf(target);
        log.push_back("leaving " + Id(control) + " to " + (to != 0 ? std::to_string(to) : "none"));
        if (!refuse_leaving) {
            return FocusVerdict::Allow;
        }
        // As the toolkit does: the field gets the focus back with its text selected.
        DialogControls& platform = ThePlatform().Controls();
        platform.FocusControl(platform.Control(window_, control), SelectText::All);
        return FocusVerdict::Refuse;
    }
    void OnSpin(int control, int step) override {
        log.push_back("spin " + Id(control) + " " + std::to_string(step));
    }
    void OnButtonFocusLost(int control) override { log.push_back("button-lost " + Id(control)); }
    void OnButtonReleasedOutside(int control) override {
        log.push_back("released-outside " + Id(control));
    }
    KeyVerdict OnNavigationKey(int focused, NavigationKey key) override {
        const char* names[] = {"tab", "backtab", "left", "up", "right", "down", "return", "escape"};
        keys.push_back(std::string(names[static_cast<int>(key)]) + " " + Id(focused));
        if (navigation) {
            return navigation(focused, key);
        }
        return ActOnNavigationKey(*this, focused, key);
    }
    int EntryControl() override { return EntryStop(*this); }

    // The id of the control with this handle; 0 for none or a widget that is no control.
    int IdOf(WindowHandle target) const {
        DialogControls& platform = ThePlatform().Controls();
        for (int position = 0; target != nullptr && position < platform.ControlCount(window_);
             ++position) {
            if (platform.Control(window_, position) == target) {
                return template_->controls[position].id;
            }
        }
        return 0;
    }

    std::vector<std::string> log;
    // The toolkit's answer to a typed character; every character goes in unless a test says
    // otherwise.
    std::function<CharacterVerdict(int)> characters = [](int character) {
        return CharacterVerdict{CharacterVerdict::Kind::Insert, character, false};
    };
    bool refuse_leaving = false;
    // Runs when a push button is pressed, with its position.
    std::function<void(int)> on_press;
    std::vector<std::string> keys;
    // The test's own answer to a navigation key, in place of the toolkit's.
    std::function<KeyVerdict(int, NavigationKey)> navigation;

  private:
    int ControlCount() const override {
        return template_ != nullptr ? template_->control_count : 0;
    }
    ControlClass ClassAt(int position) const override {
        return ClassOf(template_->controls[position].class_name);
    }
    std::uint32_t StyleAt(int position) const override {
        const DialogControl& control = template_->controls[position];
        return NormalisedStyle(ClassOf(control.class_name), control.style);
    }
    int IdAt(int position) const override { return template_->controls[position].id; }
    WindowHandle HandleAt(int position) const override {
        return ThePlatform().Controls().Control(window_, position);
    }
    void TellNumericTab(int position) override { OnNumericKey(position, vk::kTab); }
    void Notice(int position, ControlNotice notice) override { OnNotice(position, notice); }

    std::string Id(int position) const {
        bool known = template_ != nullptr && position >= 0 && position < template_->control_count;
        return known ? std::to_string(template_->controls[position].id)
                     : "?" + std::to_string(position);
    }

    const DialogTemplate* template_ = nullptr;
    WindowHandle window_ = nullptr;
};

// A main window's listener that lets everything it hears go by.
class QuietFrame : public FrameListener {
  public:
    void OnCommand(int, int) override {}
    void OnCloseRequest(int) override {}
    void OnFrameClick(MouseButton, FramePart, int) override {}
    void OnTimer(int, int) override {}
    void OnKey(const KeyPress&, int, int, int) override {}
    void OnMouse(const MouseEvent&, int) override {}
    void OnExpose(const ExposedArea&, int) override {}
    void OnResize(int, int, ResizeKind, int) override {}
};

class QtDialogTest : public ::testing::Test {
  protected:
    QtDialogTest() {
        auto platform = std::make_unique<CountingQtPlatform>();
        platform_ = platform.get();
        previous_ = InstallPlatform(std::move(platform));
        // Opens the offscreen display, so that tests may make widgets of their own.
        platform_->Windowing().Display();
    }

    ~QtDialogTest() override {
        if (dialog_ != nullptr) {
            platform_->Controls().DestroyDialog(dialog_);
        }
        QCoreApplication::processEvents();
        InstallPlatform(std::move(previous_));
    }

    // Makes dialog `id` of the test script, hidden; the listener hears it from then on.
    WindowHandle Open(int id, WindowHandle parent = nullptr) {
        template_ = FindDialog(id);
        EXPECT_NE(template_, nullptr) << "dialog " << id << " is in qt_dialog_test.rc";
        if (template_ == nullptr) {
            return nullptr;
        }
        // The toolkit's plan of the controls, as the dialog manager hands it to the platform.
        std::optional<std::vector<ControlPlan>> plan = PlanOf(*template_);
        if (!plan) {
            return nullptr;
        }
        dialog_ = platform_->Controls().CreateDialog(*template_, *plan, parent, listener_);
        listener_.Attach(*template_, dialog_);
        return dialog_;
    }

    // Shows the dialog as a window of its own and waits until it is the active window, its
    // first tab stop focused, then focuses control `focus` if one is named; what the listener
    // heard until then is forgotten.
    void ShowActive(int focus = 0) {
        platform_->Controls().ShowDialog(dialog_, DialogShowMode::Modeless);
        ASSERT_TRUE(QTest::qWaitForWindowActive(Dialog()));
        if (focus != 0) {
            Focus(focus);
        }
        listener_.log.clear();
    }

    QWidget* Dialog() const { return qt::ToWidget(dialog_); }

    int PositionOf(int id) const {
        for (int position = 0; position < template_->control_count; ++position) {
            if (template_->controls[position].id == id) {
                return position;
            }
        }
        ADD_FAILURE() << "no control " << id;
        return -1;
    }
    WindowHandle Handle(int id) const {
        return platform_->Controls().Control(dialog_, PositionOf(id));
    }
    QWidget* Widget(int id) const { return qt::ToWidget(Handle(id)); }
    template <typename Control>
    Control* As(int id) const {
        return dynamic_cast<Control*>(Widget(id));
    }

    // The id of the control with the focus; 0 for none or a widget that is no control.
    int FocusedId() const { return listener_.IdOf(Controls().FocusedControl()); }

    DialogControls& Controls() const { return platform_->Controls(); }
    std::string TextOf(int id) const { return Controls().ControlText(Handle(id)); }
    int CheckOf(int id) const { return Controls().CheckState(Handle(id)); }
    int SelectionOf(int id) const { return Controls().Selection(Handle(id)); }
    bool ModifiedOf(int id) const { return Controls().IsModified(Handle(id)); }
    void Focus(int id) { Controls().FocusControl(Handle(id), SelectText::All); }

    // Keys go where a user's go: to the widget with the focus.
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    static void Type(const char* text) { QTest::keyClicks(QApplication::focusWidget(), text); }

    void Click(int id) { QTest::mouseClick(Widget(id), Qt::LeftButton); }

    CountingQtPlatform* platform_ = nullptr;
    RecordingListener listener_;
    const DialogTemplate* template_ = nullptr;
    WindowHandle dialog_ = nullptr;

  private:
    std::unique_ptr<Platform> previous_;
};

// Every case starts with dialog 200 of the test script, a control of every kind, made hidden.
class QtTestDialog : public QtDialogTest {
  protected:
    void SetUp() override { ASSERT_NE(Open(200), nullptr); }
};

}  // namespace windlass::testing
