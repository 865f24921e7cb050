#pragma once
// The HTML quick reference's contents: eight sections of HTML snippets and character entities,
// each snippet with a one-line explanation and the text a click on it copies.

#include <string>
#include <vector>

namespace twl {

struct ReferenceEntry {
    std::string snippet;     // shown in orange; "\n" where it is wrapped
    std::string explanation; // shown in silver; "\n" where it is wrapped
    std::string copied;      // what a click copies, trailing blanks and all; empty: no click
};

enum class EntryArrangement {
    Block,      // the snippet lines alone, not clickable
    Stacked,    // the explanation under its snippet
    SideBySide, // an entity with its character beside it
};

struct ReferenceSection {
    std::string title; // "Text Formatting"
    std::string key;   // "textf"
    int openHeight = 0;
    EntryArrangement arrangement = EntryArrangement::Stacked;
    std::vector<ReferenceEntry> entries;
};

// The eight sections, in the window's order.
const std::vector<ReferenceSection>& ReferenceSections();

// The header line: " + Title" closed, "  - Title" open.
std::string SectionHeader(const ReferenceSection& section, bool open);

// The section's index for its key ("char" is 7); -1 for a key no section has.
int SectionIndex(const std::string& key);

} // namespace twl
