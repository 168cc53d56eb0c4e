// BITMAP resources: the compiler keeps the whole bitmap file as resource type 2, and names a
// file that is no bitmap with the script's file and line.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "resources/resource_types.h"
#include "script_test_support.h"

namespace heatwise::rc {
namespace {

using testing::ErrorOf;
using ::testing::HasSubstr;
using testing::Read;
using testing::WriteFile;

TEST(rc_Bitmap, TheWholeFileIsKeptAsTypeTwo) {
    const std::string file = "BM" + std::string(24, '\x01');
    WriteFile("pictures/fan.bmp", file);
    ResourceScript script = Read("FAN BITMAP DISCARDABLE \"pictures/fan.bmp\"");
    ASSERT_EQ(script.resources.size(), 1u);
    const ResourceDef& bitmap = script.resources[0];
    EXPECT_EQ(bitmap.type, ResourceKey::Number(windlass::kTypeBitmap));
    EXPECT_EQ(bitmap.id, ResourceKey::Named("FAN"));
    EXPECT_EQ(std::get<Bytes>(bitmap.content), Bytes(file.begin(), file.end()));
}

TEST(rc_Bitmap, FilesThatAreNoBitmapsAreRefused) {
    WriteFile("short.bmp", "BM");
    WriteFile("icon.bmp", std::string(30, '\0'));
    const std::pair<const char*, const char*> cases[] = {
        {"1 BITMAP \"short.bmp\"", "test.rc:1: 'short.bmp' is not a bitmap file"},
        {"\n1 BITMAP \"icon.bmp\"", "test.rc:2: 'icon.bmp' is not a bitmap file"},
        {"1 BITMAP fan", "test.rc:1: expected the bitmap file name of BITMAP 1 in double quotes"},
        {"1 BITMAP \"none.bmp\"", "test.rc:1: cannot open bitmap file 'none.bmp'"},
    };
    for (const auto& [script, message] : cases) {
        EXPECT_THAT(ErrorOf(script), HasSubstr(message)) << script;
    }
}

}  // namespace
}  // namespace heatwise::rc
