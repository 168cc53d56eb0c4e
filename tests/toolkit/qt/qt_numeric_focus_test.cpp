// Which numeric field holds the keyboard focus, the field whose value is checked before the
// focus may leave it: another control takes it away, while another window, a popup or the menu
// bar only borrow the focus and leave the form's field holding it. Focus that comes back from a
// popup (the field's own context menu) is no new arrival, for the field nor for its dialog.
#include <QCoreApplication>
#include <QFocusEvent>

#include <gtest/gtest.h>

#include "qt/qt_numeric_edit.h"
#include "qt_dialog_test_support.h"

namespace windlass::testing {
namespace {

using QtNumericFocus = QtTestDialog;

TEST_F(QtNumericFocus, TheFieldHoldsTheFocusUntilAnotherControlTakesIt) {
    struct Reason {
        Qt::FocusReason reason;
        bool borrowed;  // lent to another window, a popup or the menu bar
    };
    const Reason reasons[] = {{Qt::MouseFocusReason, false},   {Qt::TabFocusReason, false},
                              {Qt::BacktabFocusReason, false}, {Qt::ShortcutFocusReason, false},
                              {Qt::OtherFocusReason, false},   {Qt::ActiveWindowFocusReason, true},
                              {Qt::PopupFocusReason, true},    {Qt::MenuBarFocusReason, true}};
    ShowActive();
    auto* field = As<qt::NumericEdit>(101);
    ASSERT_NE(field, nullptr);
    auto send = [](QWidget* to, QEvent::Type type, Qt::FocusReason reason) {
        QFocusEvent event(type, reason);
        QCoreApplication::sendEvent(to, &event);
    };
    for (const Reason& r : reasons) {
        qt::NumericEdit::ReleaseHolder();
        send(field, QEvent::FocusIn, r.reason);
        EXPECT_EQ(qt::NumericEdit::Holder(), r.reason == Qt::PopupFocusReason ? nullptr : field)
            << "in " << r.reason;
        send(field, QEvent::FocusIn, Qt::TabFocusReason);
        send(As<qt::NumericEdit>(106), QEvent::FocusOut, r.reason);
        send(field, QEvent::FocusOut, r.reason);
        EXPECT_EQ(qt::NumericEdit::Holder(), r.borrowed ? field : nullptr) << "out " << r.reason;
    }
}

// The dialog hears of a control's focus when it arrives, not when it comes back to the control
// that had it from another window, a popup or the menu bar.
TEST_F(QtNumericFocus, FocusThatComesBackToItsControlIsNoNewArrival) {
    const std::pair<Qt::FocusReason, bool> reasons[] = {
        {Qt::ActiveWindowFocusReason, true}, {Qt::PopupFocusReason, true},
        {Qt::MenuBarFocusReason, true},      {Qt::TabFocusReason, false},
        {Qt::MouseFocusReason, false},       {Qt::OtherFocusReason, false}};
    ShowActive();
    ASSERT_EQ(FocusedId(), 101);
    for (const auto& [reason, back] : reasons) {
        listener_.log.clear();
        QFocusEvent event(QEvent::FocusIn, reason);
        QCoreApplication::sendEvent(Widget(101), &event);
        QCoreApplication::processEvents();
        const std::vector<std::string> arrival = {"numeric-focus 101", "focus 101"};
        EXPECT_EQ(listener_.Only({"numeric-focus", "focus"}),
                  back ? std::vector<std::string>{} : arrival)
            << reason;
    }
}

}  // namespace
}  // namespace windlass::testing
