#include "core/quick_reference/reference_layout.h"
#include "core/quick_reference/reference_sections.h"

#include <gtest/gtest.h>

namespace twl {
namespace {

const ReferenceEntry& Entry(const char* key, std::size_t index) {
    return ReferenceSections().at(static_cast<std::size_t>(SectionIndex(key))).entries.at(index);
}

TEST(QuickReferenceLayoutTest, CollapsedSectionsStack24Apart) {
    const ReferenceLayout layout = LayOutSections(std::nullopt);
    EXPECT_EQ(layout.windowHeight, 224);
    ASSERT_EQ(layout.sections.size(), 8u);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(layout.sections[i].top, 30 + 24 * static_cast<int>(i)) << i;
        EXPECT_EQ(layout.sections[i].height, 17) << i;
        EXPECT_FALSE(layout.sections[i].open) << i;
    }
}

TEST(QuickReferenceLayoutTest, AnOpenSectionGrowsTheWindowAndPushesTheLaterOnesDown) {
    struct Case {
        const char* key;
        int openHeight;
        int windowHeight;
    };
    const Case cases[] = {{"basic", 102, 309},  {"body", 214, 421},   {"textf", 340, 547},
                          {"lists", 118, 325},  {"images", 134, 341}, {"links", 198, 405},
                          {"tables", 278, 485}, {"char", 166, 373}};
    for (const Case& c : cases) {
        const int open = SectionIndex(c.key);
        ASSERT_GE(open, 0) << c.key;
        const ReferenceLayout layout = LayOutSections(open);
        EXPECT_EQ(layout.windowHeight, c.windowHeight) << c.key;
        for (int i = 0; i < 8; ++i) {
            const SectionPlace& place = layout.sections[static_cast<std::size_t>(i)];
            EXPECT_EQ(place.open, i == open) << c.key << " " << i;
            EXPECT_EQ(place.height, i == open ? c.openHeight : 17) << c.key << " " << i;
            // Above the open section nothing moves; below it everything moves down by the
            // open section's extra height.
            const int shift = i > open ? c.openHeight - 17 : 0;
            EXPECT_EQ(place.top, 30 + 24 * i + shift) << c.key << " " << i;
        }
        // The same margin under the last section as when all are closed.
        const SectionPlace& last = layout.sections.back();
        EXPECT_EQ(layout.windowHeight - (last.top + last.height), 9) << c.key;
    }
}

TEST(QuickReferenceLayoutTest, HeaderClicksOpenOneSectionOrCloseAll) {
    const int lists = SectionIndex("lists"), chars = SectionIndex("char");
    EXPECT_EQ(ClickSectionHeader(chars, lists), lists);
    EXPECT_EQ(ClickSectionHeader(lists, lists), std::nullopt);
    EXPECT_EQ(ClickSectionHeader(std::nullopt, chars), chars);
    const ReferenceSection& section = ReferenceSections()[static_cast<std::size_t>(lists)];
    EXPECT_EQ(SectionHeader(section, false), " + Lists");
    EXPECT_EQ(SectionHeader(section, true), "  - Lists");
}

TEST(QuickReferenceLayoutTest, EveryEntryFitsInsideItsOpenSection) {
    for (const ReferenceSection& section : ReferenceSections()) {
        const std::vector<EntryPlace> places = PlaceEntries(section);
        ASSERT_EQ(places.size(), section.entries.size()) << section.key;
        int bottom = kSectionHeaderHeight;
        for (const EntryPlace& place : places) {
            EXPECT_GE(place.top, bottom) << section.key;
            const int lines = section.arrangement == EntryArrangement::SideBySide
                                  ? 1
                                  : place.snippetLines + place.explanationLines;
            bottom = place.top + lines * kEntryLineHeight;
        }
        EXPECT_LE(bottom, section.openHeight) << section.key;
    }
}

TEST(QuickReferenceSectionsTest, SpecialEntriesCopyTheirOwnText) {
    struct Case {
        const char* key;
        std::size_t index;
        const char* snippet;
        const char* copied;
    };
    const Case cases[] = {
        {"textf", 2, "<h1></h1> - <h6></h6>", "<h1></h1>"},
        {"textf", 6, "<strong></strong> ", "<strong></strong> "},
        {"body", 4, "<body alink=\"...\"> ", "<body alink=\"...\"> "},
        {"body", 5, "<body vlink=\"...\"> ", "<body vlink=\"...\"> "},
        {"images", 2, "<img src=\"...\"\nusemap=\"#mapname\">",
         "<img src=\"...\" usemap=\"#mapname\">"},
        {"links", 1, "<a href=\"...\"\ntarget=\"_blank\"></a>",
         "<a href=\"...\" target=\"_blank\"></a>"},
        {"char", 0, "&nbsp;", "&nbsp;"},
        {"char", 4, "&amp;", "&amp;"},
        {"char", 8, "&euro;", "&euro;"},
        {"tables", 6, "<table width=\"...\">", "<table width=\"...\">"},
        {"basic", 0, nullptr, ""}, // the page skeleton cannot be clicked
    };
    for (const Case& c : cases) {
        const ReferenceEntry& entry = Entry(c.key, c.index);
        if (c.snippet != nullptr) {
            EXPECT_EQ(entry.snippet, c.snippet) << c.key << " " << c.index;
        }
        EXPECT_EQ(entry.copied, c.copied) << c.key << " " << c.index;
    }
}

} // namespace
} // namespace twl
