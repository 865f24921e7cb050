#pragma once
// The acknowledgements: the open-source work the program stands on. Modal over the About box.

#include <QDialog>

namespace twl {

class ThanksWindow : public QDialog {
    Q_OBJECT
public:
    explicit ThanksWindow(QWidget* parent);

    // Shows it modal without blocking the caller.
    void ShowThanks();
};

} // namespace twl
