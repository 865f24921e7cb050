#include "core/startup/help_page.h"

namespace twl {

std::string HelpPagePath(const std::string& programFolder, const std::string& page) {
    return programFolder + "help/" + page;
}

} // namespace twl
