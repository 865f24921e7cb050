// The layouts shipped in data/TLs: each reads without error, is named, and gives every area it
// shows a place on the preview.

#include "core/base/settings_list.h"
#include "core/base/text_file.h"
#include "core/layout/layout_files.h"
#include "core/layout/test_layout.h"

#include <gtest/gtest.h>

namespace twl {
namespace {

TEST(ShippedLayouts, EachIsAValidNamedLayout) {
    const auto names = CollectLayoutFiles("/nonexistent/", TWL_SHIPPED_DATA "/");
    EXPECT_GE(names.size(), 8u);
    for (const std::string& name : names) {
        const auto path = FindLayoutFile(name, "/nonexistent/", TWL_SHIPPED_DATA "/");
        ASSERT_TRUE(path) << name;
        const auto lines = ReadTextLines(*path);
        ASSERT_TRUE(lines) << name;
        EXPECT_FALSE(SettingsList(*lines).Value("name").empty()) << name;
        EXPECT_FALSE(SettingsList(*lines).Value("title").empty()) << name;
        TestLayout layout;
        ASSERT_NO_THROW(ApplyLayoutLines(layout, *lines, name)) << name;
        int shown = 0;
        for (int i = 0; i < kLayoutAreaCount; ++i) {
            const LayoutArea& area = layout.areas[static_cast<std::size_t>(i)];
            if (!area.visible) {
                continue;
            }
            ++shown;
            const std::string prefix = "s" + std::to_string(i + 1) + ".";
            for (const char* key : {"left", "top", "width", "height"}) {
                EXPECT_FALSE(SettingsList(*lines).Value(prefix + key).empty())
                    << name << " " << prefix << key;
            }
            EXPECT_FALSE(AreaFillRect(area).Empty()) << name << " " << prefix;
        }
        EXPECT_GE(shown, 3) << name;
    }
}

} // namespace
} // namespace twl
