#pragma once
// Opening documents and web addresses, and starting helper programs.

#include <string>

namespace twl {

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a file, folder or web address with the desktop's default handler; the result is
    // ignored, as a failed open leaves nothing for the user to do.
    virtual void Open(const std::string& target) = 0;
    // Starts a program with one parameter and does not wait for it.
    virtual void Launch(const std::string& program, const std::string& parameter) = 0;
};

} // namespace twl
