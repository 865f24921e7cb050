#include "app/error_report.h"

#include "platform/dialogs.h"

#include <exception>

namespace twl {

std::string ErrorReportText(const std::string& message) {
    return message + ".";
}

void ReportError(Dialogs& dialogs, const std::string& message) {
    dialogs.ShowError(ErrorReportText(message));
}

void RunCommand(Dialogs& dialogs, const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& error) {
        ReportError(dialogs, error.what());
    }
}

} // namespace twl
