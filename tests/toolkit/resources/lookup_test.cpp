// Finding resources: by type and id, numbers and names kept apart, names in any letter case,
// and nothing when a resource is absent.

#include "resources/resource_lookup.h"

#include <gtest/gtest.h>

namespace windlass {
namespace {

constexpr std::uint8_t kWords[] = {0x41, 0x9C, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
constexpr std::uint8_t kText[] = {'a', '\n', 'b', 0, 'c', 0};
constexpr std::uint8_t kIcon[] = {1, 2, 3, 0};
constexpr std::uint8_t kOther[] = {9, 0};
constexpr MenuItem kItems[] = {{MenuItemKind::kCommand, "&Help", 40002, 0, 0, nullptr, 0}};
constexpr MenuTemplate kMenu = {kItems, 1};
constexpr DialogTemplate kDialog = {
    DialogForm::kDialogEx, 0x40000444u, 0,     0, 0,       510, 289, 0, "", ResourceName(0), "", 8,
    "MS Sans Serif",       0,           false, 1, nullptr, 0};

constexpr Resource kTable[] = {
    {ResourceName(kTypeMenu), ResourceName(30001), nullptr, 0, &kMenu, nullptr, nullptr},
    {ResourceName(kTypeRcData), ResourceName(30001), kWords, 8, nullptr, nullptr, nullptr},
    {ResourceName(kTypeDialog), ResourceName(102), nullptr, 0, nullptr, &kDialog, nullptr},
    {ResourceName(kTypeRcData), ResourceName(102), kText, 5, nullptr, nullptr, nullptr},
    {ResourceName(kTypeIcon), ResourceName("ICON1"), kIcon, 3, nullptr, nullptr, nullptr},
    // A number-like name is still a name: "102" is not resource 102.
    {ResourceName(kTypeRcData), ResourceName("102"), kOther, 1, nullptr, nullptr, nullptr},
    {ResourceName("WLMENUSTRING"), ResourceName(30001), kOther, 1, nullptr, nullptr, nullptr}};

class resources_Lookup : public ::testing::Test {
  protected:
    void SetUp() override { RegisterResources(kTable); }
    void TearDown() override { UnregisterResources(kTable); }
};

struct NameCase {
    ResourceName type;
    ResourceName id;
    const std::uint8_t* expected;  // nullptr when the lookup must find nothing
};

TEST_F(resources_Lookup, NamesMatchInAnyLetterCaseButNeverANumber) {
    // clang-format off
    const NameCase cases[] = {
        {kTypeIcon, "ICON1", kIcon}, {kTypeIcon, "icon1", kIcon},
        {kTypeIcon, "ICON", nullptr}, {kTypeIcon, "ICON12", nullptr}, {kTypeIcon, 1, nullptr},
        {kTypeRcData, 102, kText}, {kTypeRcData, "102", kOther}, {"WLMenuString", 30001, kOther},
        {"WLMENUSTRING", 30002, nullptr}, {999, 30001, nullptr},
    };
    // clang-format on
    for (const auto& c : cases) {
        auto data = FindData(c.type, c.id);
        EXPECT_EQ(data ? data->data() : nullptr, c.expected) << "row " << (&c - cases);
    }
    // Resources that are not data give no bytes.
    EXPECT_NE(FindResource(kTypeMenu, 30001), nullptr);
    EXPECT_FALSE(FindData(kTypeMenu, 30001));
    EXPECT_FALSE(FindData(kTypeDialog, 102));
}

}  // namespace
}  // namespace windlass
