#include "core/base/version_info.h"

#ifndef TWL_VERSION_MAJOR
#error "TWL_VERSION_MAJOR, TWL_VERSION_MINOR and TWL_VERSION_PATCH come from the build"
#endif

namespace twl {

std::string FileVersionText() {
    return std::to_string(TWL_VERSION_MAJOR) + "." + std::to_string(TWL_VERSION_MINOR) + "." +
           std::to_string(TWL_VERSION_PATCH) + ".0";
}

int WindowsVersionCode() {
    return 0;
}

} // namespace twl
