#include "core/quick_reference/reference_layout.h"

#include <algorithm>

namespace twl {

namespace {

// Side by side, an entry is as tall as its taller text; stacked, its texts add up.
int EntryLines(EntryArrangement arrangement, const EntryPlace& place) {
    return arrangement == EntryArrangement::SideBySide
               ? std::max(place.snippetLines, place.explanationLines)
               : place.snippetLines + place.explanationLines;
}

} // namespace

ReferenceLayout LayOutSections(std::optional<int> openSection) {
    const std::vector<ReferenceSection>& sections = ReferenceSections();
    ReferenceLayout layout;
    int top = kFirstSectionTop;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        SectionPlace place;
        place.top = top;
        if (openSection && static_cast<std::size_t>(*openSection) == i) {
            place.open = true;
            place.height = sections[i].openHeight;
            layout.windowHeight = place.height + kOpenHeightExtra;
        }
        layout.sections.push_back(place);
        top += place.height + kSectionGap;
    }
    return layout;
}

std::optional<int> ClickSectionHeader(std::optional<int> openSection, int clicked) {
    if (openSection == clicked) {
        return std::nullopt;
    }
    return clicked;
}

int LineCount(const std::string& text) {
    if (text.empty()) {
        return 0;
    }
    return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

std::vector<EntryPlace> PlaceEntries(const ReferenceSection& section) {
    std::vector<EntryPlace> places;
    int lines = 0;
    for (const ReferenceEntry& entry : section.entries) {
        EntryPlace place{0, LineCount(entry.snippet), LineCount(entry.explanation)};
        lines += EntryLines(section.arrangement, place);
        places.push_back(place);
    }
    if (places.empty()) {
        return places;
    }
    const int room = section.openHeight - kSectionHeaderHeight - lines * kEntryLineHeight;
    const int gap = std::max(0, room / static_cast<int>(places.size()));
    int top = kSectionHeaderHeight;
    for (EntryPlace& place : places) {
        place.top = top;
        top += EntryLines(section.arrangement, place) * kEntryLineHeight + gap;
    }
    return places;
}

} // namespace twl
