#pragma once
// The About box: the program's version and the project's contact links on a picture of its own.
// A click on the picture or on one of the three sentences closes it, and so does Esc; the links
// open through the shell, and the thanks line opens the acknowledgements.

#include <QWidget>

class QLabel;

namespace twl {

class PressableLabel;
class Shell;
class ThanksWindow;

class AboutWindow : public QWidget {
    Q_OBJECT
public:
    explicit AboutWindow(Shell& shell);
    ~AboutWindow() override;

    // Shows the box centred on the screen, above the other windows.
    void ShowAbout();
    ThanksWindow& Thanks() { return *thanks_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* AddText(const QString& name, const QString& text, int top);
    PressableLabel* AddLink(const QString& name, const QString& text, int top);
    // Sizes the texts to their font and puts the version after its caption.
    void LayOut();

    Shell& shell_;
    QPixmap background_;
    QLabel* versionCaption_;
    QLabel* version_;
    ThanksWindow* thanks_;
};

} // namespace twl
