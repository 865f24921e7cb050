#include "app/twl_application.h"

#include "app/error_report.h"

#include <exception>

namespace twl {

TwlApplication::TwlApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TwlApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        if (dialogs_ != nullptr) {
            ReportError(*dialogs_, error.what());
        }
        return true;
    }
}

} // namespace twl
