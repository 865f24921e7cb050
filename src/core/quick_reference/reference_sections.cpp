#include "core/quick_reference/reference_sections.h"

namespace twl {

namespace {

// An entry that copies exactly what it shows.
ReferenceEntry Same(std::string snippet, std::string explanation) {
    std::string copied = snippet;
    return {std::move(snippet), std::move(explanation), std::move(copied)};
}

std::vector<ReferenceSection> MakeSections() {
    using A = EntryArrangement;
    return {
        {"Basic HTML Structure",
         "basic",
         102,
         A::Block,
         {{"<html>\n"
           "  <head>\n"
           "  <title>Document title</title>\n"
           "  </head>\n"
           "  <body>Page content</body> \n"
           "</html>",
           "", ""}}},
        {"Body",
         "body",
         214,
         A::Stacked,
         {Same("<body text=\"...\">", "Text color"),
          Same("<body background=\"...\">", "Background image"),
          Same("<body bgcolor=\"...\">", "Background color"),
          Same("<body link=\"...\">", "Link color"),
          Same("<body alink=\"...\"> ", "Active link color"),
          Same("<body vlink=\"...\"> ", "Visited link color")}},
        {"Text Formatting",
         "textf",
         340,
         A::Stacked,
         {Same("<p></p>", "Paragraph"),
          Same("<br />", "Line break"),
          // One heading pair stands for all six; the first is copied.
          {"<h1></h1> - <h6></h6>", "Headline. h1 largest, h6 smallest", "<h1></h1>"},
          Same("<b></b>", "Bold"),
          Same("<i></i>", "Italic"),
          Same("<em></em>", "Emphasized text (Italic)"),
          Same("<strong></strong> ", "Emphasized text (Bold)"),
          Same("<pre></pre>", "Preserve spaces and line breaks"),
          Same("<tt></tt>", "Typewriter style text"),
          Same("<cite></cite>", "Citation")}},
        {"Lists",
         "lists",
         118,
         A::Stacked,
         {Same("<ol></ol>", "Ordered list"), Same("<ul></ul>", "Unordered list"),
          Same("<li></li>", "List items inside above tags")}},
        {"Images",
         "images",
         134,
         A::Stacked,
         {Same("<img src=\"...\">", "Image"),
          Same("<img src=\"...\" alt=\"...\">", "Image with description "),
          // Too wide for one line: shown wrapped, copied as one.
          {"<img src=\"...\"\nusemap=\"#mapname\">", "Define as clickable image map",
           "<img src=\"...\" usemap=\"#mapname\">"}}},
        {"Links",
         "links",
         198,
         A::Stacked,
         {Same("<a href=\"...\"></a>", "Hyperlink"),
          {"<a href=\"...\"\ntarget=\"_blank\"></a>", "Open in a new window",
           "<a href=\"...\" target=\"_blank\"></a>"},
          Same("<a href=\"mailto:...\"></a>", "Email link"),
          Same("<a name=\"...\"></a>", "Creates an anchor"),
          Same("<a href=\"#...\"></a>", "Links to an anchor")}},
        {"Tables",
         "tables",
         278,
         A::Stacked,
         {Same("<table></table>", "Creates a table "),
          Same("<tr></tr>", "Defines a row in a table "),
          Same("<td></td>", "Defines a cell in a row "),
          Same("<table border=\"...\">", "Border width (\"0\" for no border) "),
          Same("<table cellspacing=\"...\">", "Space between cells "),
          Same("<table cellpadding=\"...\">", "Space between cell border\nand contents "),
          Same("<table width=\"...\">", "Width of the table \n(In pixels or percentage) ")}},
        {"Characters",
         "char",
         166,
         A::SideBySide,
         {Same("&nbsp;", "(Space)"), Same("&copy;", "\xC2\xA9"), Same("&reg;", "\xC2\xAE"),
          Same("&trade;", "\xE2\x84\xA2"), Same("&amp;", "&"), Same("&quot;", "\""),
          Same("&lt;", "<"), Same("&gt;", ">"), Same("&euro;", "\xE2\x82\xAC")}},
    };
}

} // namespace

const std::vector<ReferenceSection>& ReferenceSections() {
    static const std::vector<ReferenceSection> sections = MakeSections();
    return sections;
}

std::string SectionHeader(const ReferenceSection& section, bool open) {
    return (open ? "  - " : " + ") + section.title;
}

int SectionIndex(const std::string& key) {
    const std::vector<ReferenceSection>& sections = ReferenceSections();
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (sections[i].key == key) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace twl
