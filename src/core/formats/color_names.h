#pragma once
// The colour names of {name}: the lines of namedcolors.txt, read the first time a name is asked
// for, and the nearest of them to a colour by distance in OKLab.

#include "core/color/color_text.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace twl {

class ColorNames {
public:
    // The names of this file, read when first needed.
    explicit ColorNames(std::filesystem::path file) : file_(std::move(file)) {}
    // The names of these lines ("#RRGGBB=name"; other lines are left out).
    explicit ColorNames(const std::vector<std::string>& lines) { Take(lines); }

    // The name of the nearest colour; of two as near, the first in the list; "" for no names.
    std::string Nearest(TColor color) const;
    // The colour of a name, ignoring letter case; of two lines with the name, the first.
    std::optional<TColor> Find(std::string_view name) const;

private:
    struct Entry {
        double l, a, b;
        std::string name;
        TColor color;
    };
    void Take(const std::vector<std::string>& lines) const;
    const std::vector<Entry>& Entries() const;

    std::filesystem::path file_;
    mutable std::optional<std::vector<Entry>> entries_;
};

} // namespace twl
