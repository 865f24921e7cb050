#include "core/formats/color_names.h"

#include "core/base/ascii_case.h"
#include "core/color/css_color.h"
#include "core/quick_palette/named_colors.h"

namespace twl {

void ColorNames::Take(const std::vector<std::string>& lines) const {
    entries_.emplace();
    for (const std::string& line : lines) {
        if (!IsNamedColorLine(line)) {
            continue;
        }
        const TColor color = NamedColorValue(line);
        const Lab lab = SrgbToOkLab(RedOf(color), GreenOf(color), BlueOf(color));
        entries_->push_back(
            {lab.lightness, lab.a, lab.b, std::string(NamedColorNamePart(line)), color});
    }
}

const std::vector<ColorNames::Entry>& ColorNames::Entries() const {
    if (!entries_) {
        Take(LoadNamedColors(file_));
    }
    return *entries_;
}

std::optional<TColor> ColorNames::Find(std::string_view name) const {
    for (const Entry& entry : Entries()) {
        if (EqualIgnoringAsciiCase(entry.name, name)) {
            return entry.color;
        }
    }
    return std::nullopt;
}

std::string ColorNames::Nearest(TColor color) const {
    Entries();
    const Lab lab = SrgbToOkLab(RedOf(color), GreenOf(color), BlueOf(color));
    const Entry* nearest = nullptr;
    double best = 0;
    for (const Entry& entry : *entries_) {
        const double dl = entry.l - lab.lightness, da = entry.a - lab.a, db = entry.b - lab.b;
        const double distance = dl * dl + da * da + db * db;
        if (nearest == nullptr || distance < best) {
            nearest = &entry;
            best = distance;
        }
    }
    return nearest != nullptr ? nearest->name : std::string();
}

} // namespace twl
