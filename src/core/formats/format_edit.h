#pragma once
// The Options dialog's format choosers and the format editor's rules: a chooser selects its
// setting's name ignoring letter case, and the editor adds or replaces one "name=template" line.

#include "core/formats/color_formats.h"
#include "core/formats/format_list.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace twl {

inline constexpr std::string_view kFillBothBoxesText = "Please fill both Format and Name boxes.";
inline constexpr std::string_view kNameExistsText =
    "Another value with this name exists. Please enter a different name!";

// The format editor's sixteen value parts, in its list order.
std::span<const Placeholder> ValueParts();

// The position of the first name equal to name ignoring letter case; nullopt when none is.
std::optional<std::size_t> FindFormatName(const std::vector<std::string>& names,
                                          std::string_view name);

enum class FormatEditMode { New, Edit };

enum class FormatEditResult { Done, EmptyBox, NameExists };

// New mode appends name "=" templ unless a format of that name exists in any letter case; edit
// mode replaces the line at editIndex. Either box empty changes nothing. Name and template are
// kept exactly as typed.
FormatEditResult ApplyFormatEdit(FormatList& list, FormatEditMode mode, std::size_t editIndex,
                                 std::string_view name, std::string_view templ);

} // namespace twl
