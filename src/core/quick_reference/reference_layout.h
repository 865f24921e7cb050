#pragma once
// The quick reference window's geometry. The sections are panels stacked under the title, 7
// pixels apart; a closed one shows only its 17-pixel header, and at most one is open. The
// window grows with the open section.

#include "core/quick_reference/reference_sections.h"

#include <optional>
#include <vector>

namespace twl {

inline constexpr int kReferenceWidth = 204;
inline constexpr int kSectionLeft = 10;
inline constexpr int kSectionWidth = 183;
inline constexpr int kSectionHeaderHeight = 17;
inline constexpr int kFirstSectionTop = 30;
inline constexpr int kSectionGap = 7;
inline constexpr int kCollapsedHeight = 224;
// The window's height beyond its open section's.
inline constexpr int kOpenHeightExtra = 207;
// One line of a snippet or an explanation.
inline constexpr int kEntryLineHeight = 13;

struct SectionPlace {
    int top = 0;
    int height = kSectionHeaderHeight;
    bool open = false;
};

struct ReferenceLayout {
    int windowHeight = kCollapsedHeight;
    std::vector<SectionPlace> sections;
};

// All closed, or the section of that index open.
ReferenceLayout LayOutSections(std::optional<int> openSection);

// A click on a section's header: the open section closes everything, any other opens alone.
std::optional<int> ClickSectionHeader(std::optional<int> openSection, int clicked);

// Lines of a shown text: one per "\n"-separated part, none for the empty text.
int LineCount(const std::string& text);

// Where an entry starts inside its open panel: under the header, the entries share out the
// room left by their lines evenly, a gap after each.
struct EntryPlace {
    int top = 0;
    int snippetLines = 0;
    int explanationLines = 0;
};
std::vector<EntryPlace> PlaceEntries(const ReferenceSection& section);

} // namespace twl
