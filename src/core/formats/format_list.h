#pragma once
// The list of colour value formats: "name=template" lines, in the order every format chooser
// shows them, and its file "cvf.ini". A name is the text before a line's first "="; names match
// ignoring letter case and the first matching line wins.

#include "core/color/color_text.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace twl {

inline constexpr std::string_view kSaveFormatsErrorText =
    "ERROR! Cannot save color value formats list!";
inline constexpr std::string_view kFormatsFileName = "cvf.ini";

class ColorNames;

class FormatList {
public:
    FormatList() = default;
    explicit FormatList(std::vector<std::string> lines);

    // One name per line, in order; a line without "=" has the empty name.
    std::vector<std::string> Names() const;
    // The template of the first line with this name; "" when no line has it.
    std::string Template(std::string_view name) const;
    // The colour expanded through the template of this name; "" for an unknown name.
    std::string FormatColorByName(TColor color, std::string_view name) const;
    // The colour names {name} chooses from (none unless given; the list does not own them).
    void SetColorNames(const ColorNames* names) { colorNames_ = names; }
    const ColorNames* ColorNamesOfTemplates() const { return colorNames_; }

    void Append(std::string line);
    void Append(std::string_view name, std::string_view templ);
    // Out-of-range indexes change nothing.
    void ReplaceAt(std::size_t index, std::string_view name, std::string_view templ);
    void DeleteAt(std::size_t index);
    // Rewrites the first line with this name as name "=" templ in its place; appends that line
    // when no line has the name.
    void SetTemplate(std::string_view name, std::string_view templ);
    // The ten built-in formats replace the whole list.
    void SetDefaults();

    const std::vector<std::string>& Lines() const { return lines_; }
    std::size_t Count() const { return lines_.size(); }

private:
    std::vector<std::string> lines_;
    const ColorNames* colorNames_ = nullptr;
};

// Start-up loading: "cvf.ini" from sharedFolder, else from programFolder, else the built-in
// formats; an empty or unreadable file also gives the built-in formats. Then repairs the two
// known broken "HEX with #" templates. Writes nothing.
void LoadColorValueFormats(FormatList& list, const std::filesystem::path& sharedFolder,
                           const std::filesystem::path& programFolder);

// Writes the list whole to "cvf.ini" in sharedFolder, then independently in userFolder. Each
// copy that cannot be written calls showMessage(kSaveFormatsErrorText); returns how many
// failed (0, 1 or 2).
int SaveColorValueFormats(const FormatList& list, const std::filesystem::path& sharedFolder,
                          const std::filesystem::path& userFolder,
                          const std::function<void(const std::string&)>& showMessage);

} // namespace twl
