#pragma once
// The program's own version and the running system's version code.

#include <string>

namespace twl {

// The project version as four numbers, "1.0.0.0" (major, minor, patch, build 0).
std::string FileVersionText();

// The code of the running Windows version (8 for NT 6.x); 0 on every other system, so here
// always 0. Code that branches on it takes the code as a parameter so the branches stay testable.
int WindowsVersionCode();

} // namespace twl
