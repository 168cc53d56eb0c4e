// Two things the backend reports as a user causes them: a combo box whose text is typed over,
// and a press in another window while a numeric field holds the focus.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "qt_dialog_test_support.h"

namespace windlass::testing {
namespace {

using ::testing::ElementsAre;

TEST_F(QtTestDialog, TypingOverAComboBoxsTextEndsItsSelectionUnlessItNamesThatEntry) {
    ShowActive();
    for (const char* city : {"austin, TX", "Barrow"}) {
        Controls().AddEntry(Handle(142), city);
    }
    ASSERT_TRUE(Controls().Select(Handle(142), 1));
    Focus(142);
    Type("Bar");
    EXPECT_EQ(SelectionOf(142), -1);
    EXPECT_EQ(TextOf(142), "Bar");
    Type("row");
    EXPECT_EQ(SelectionOf(142), 1);
}

// Only the toolkit knows which windows are exempt from the check; the backend asks for a press
// in any other window as it does for one in the field's own.
TEST_F(QtTestDialog, APressInAnotherWindowAsksTheFieldThatHoldsTheFocus) {
    ShowActive();
    Focus(101);
    QWidget other;
    auto* edit = new QLineEdit(&other);
    other.move(Dialog()->frameGeometry().bottomRight() + QPoint(20, 20));
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    listener_.refuse_leaving = true;
    listener_.log.clear();
    QTest::mouseClick(edit, Qt::LeftButton);
    // Refused, the field's window is the active one again.
    EXPECT_THAT(listener_.log, ElementsAre("leaving 101 to none", "activate"));
    EXPECT_EQ(FocusedId(), 101);
    EXPECT_FALSE(edit->hasFocus());
    // Let go once, the field is asked again only when the focus is back in it.
    listener_.refuse_leaving = false;
    listener_.log.clear();
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::mouseClick(edit, Qt::LeftButton);
    EXPECT_THAT(listener_.log, ElementsAre("leaving 101 to none"));
}

}  // namespace
}  // namespace windlass::testing
