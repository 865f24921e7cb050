#pragma once
// The application object. Every window event passes through notify(), which makes it the one
// place where an error escaping a command handler is caught and reported.

#include <QApplication>

namespace twl {

class Dialogs;

class TwlApplication : public QApplication {
public:
    TwlApplication(int& argc, char** argv);

    void SetDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    Dialogs* dialogs_ = nullptr;
};

} // namespace twl
