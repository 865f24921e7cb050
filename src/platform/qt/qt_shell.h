#pragma once

#include "platform/shell.h"

namespace twl {

class QtShell : public Shell {
public:
    void Open(const std::string& target) override;
    void Launch(const std::string& program, const std::string& parameter) override;
};

} // namespace twl
