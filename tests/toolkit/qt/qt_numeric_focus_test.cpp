// Which numeric field holds the keyboard focus, the field whose value is checked before the
// focus may leave it: another control takes it away, while another window, a popup or the menu
// bar only borrow the focus and leave the form's field holding it.
#include <QCoreApplication>
#include <QFocusEvent>

#include <gtest/gtest.h>

#include "qt/qt_numeric_edit.h"
#include "qt_dialog_test_support.h"

namespace windlass::testing {
namespace {

using QtNumericFocus = QtTestDialog;

struct Reason {
    Qt::FocusReason reason;
    const char* name;
    bool borrowed;  // the focus only lent to another window, a popup or the menu bar
};

constexpr Reason kReasons[] = {
    {Qt::MouseFocusReason, "mouse", false},
    {Qt::TabFocusReason, "tab", false},
    {Qt::BacktabFocusReason, "backtab", false},
    {Qt::ShortcutFocusReason, "shortcut", false},
    {Qt::OtherFocusReason, "other", false},
    {Qt::ActiveWindowFocusReason, "another window", true},
    {Qt::PopupFocusReason, "a popup", true},
    {Qt::MenuBarFocusReason, "the menu bar", true},
};

TEST_F(QtNumericFocus, AFieldLosesTheFocusOnlyToAnotherControl) {
    ShowActive();
    auto* field = As<qt::NumericEdit>(101);
    ASSERT_NE(field, nullptr);
    for (const Reason& r : kReasons) {
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(field, &in);
        ASSERT_EQ(qt::NumericEdit::Holder(), field);
        QFocusEvent out(QEvent::FocusOut, r.reason);
        QCoreApplication::sendEvent(field, &out);
        EXPECT_EQ(qt::NumericEdit::Holder(), r.borrowed ? field : nullptr) << r.name;
    }
}

// Focus coming back from a popup (a field's own context menu) is no new arrival; from anywhere
// else the field becomes the holder.
TEST_F(QtNumericFocus, AFieldBecomesTheHolderAsTheFocusArrivesUnlessFromAPopup) {
    ShowActive();
    auto* field = As<qt::NumericEdit>(101);
    ASSERT_NE(field, nullptr);
    for (const Reason& r : kReasons) {
        qt::NumericEdit::ReleaseHolder();
        QFocusEvent in(QEvent::FocusIn, r.reason);
        QCoreApplication::sendEvent(field, &in);
        EXPECT_EQ(qt::NumericEdit::Holder(), r.reason == Qt::PopupFocusReason ? nullptr : field)
            << r.name;
    }
    // Another field that loses the focus leaves the holder alone.
    Focus(101);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(As<qt::NumericEdit>(106), &out);
    EXPECT_EQ(qt::NumericEdit::Holder(), field);
}

}  // namespace
}  // namespace windlass::testing
