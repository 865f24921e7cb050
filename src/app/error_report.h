#pragma once
// The general error report: an error that escapes a command becomes a message box with the
// error's text and a full stop, captioned "TWL", with an error icon; then the program carries on.

#include <functional>
#include <string>

namespace twl {

class Dialogs;

// The text the report shows for an error message ("'x' is not a valid integer value.").
std::string ErrorReportText(const std::string& message);

void ReportError(Dialogs& dialogs, const std::string& message);

// Runs a command; an exception escaping it is reported and the command ends there.
void RunCommand(Dialogs& dialogs, const std::function<void()>& command);

} // namespace twl
