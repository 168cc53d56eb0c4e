#include "message/enable_table.h"

#include <gtest/gtest.h>

#include <set>

#include "message/message_queue.h"
#include "windlass/windlass.h"

namespace windlass {
namespace {

std::set<int> EnabledTypes(const MessageEnableTable& table) {
    std::set<int> types;
    for (int type = -2; type <= kMessageTypes + 2; ++type) {
        if (table.IsEnabled(type)) {
            types.insert(type);
        }
    }
    return types;
}

TEST(MessageEnableTable, StartValuesAndTheResetAfterWindowClose) {
    MessageEnableTable table;
    EXPECT_EQ(EnabledTypes(table), (std::set<int>{1, 2, 3, 4, 7, 8, 9, 13, 14}));
    table.Set(MSG_FIELD, 1);
    table.Set(MSG_KEY, 0);
    table.ResetAfterWindowClose();
    EXPECT_EQ(EnabledTypes(table), (std::set<int>{1, 2, 3, 4, 7, 8, 9, 13, 14, 15}));
}

TEST(MessageEnableTable, AnyNonZeroStateEnablesAndOtherTypesAreIgnored) {
    MessageEnableTable table;
    std::set<int> start = EnabledTypes(table);
    for (int type : {-1, 0, 16, 1000}) {
        table.Set(type, 1);
        table.Set(type, 0);
    }
    EXPECT_EQ(EnabledTypes(table), start);
    table.Set(MSG_FIELD, -7);
    EXPECT_TRUE(table.IsEnabled(MSG_FIELD));
    table.Set(MSG_MENU, 0);
    EXPECT_FALSE(table.IsEnabled(MSG_MENU));
}

}  // namespace
}  // namespace windlass
