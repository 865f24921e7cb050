#pragma once
// The About box: the program's version and the project's contact links on a picture of its own.
// A click on the picture or on one of the three sentences closes it, and so does Esc; the links
// open through the shell, and the thanks line opens the acknowledgements.

#include <QWidget>

#include <vector>

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
    // A sentence or link of the column under the version line, in order from the top.
    QLabel* AddText(const QString& name, const QString& text);
    PressableLabel* AddLink(const QString& name, const QString& text);
    // Sizes the texts to their font and places them from the top down.
    void LayOut();

    Shell& shell_;
    QPixmap background_;
    QLabel* versionCaption_;
    QLabel* version_;
    ThanksWindow* thanks_;
    PressableLabel* thanksLink_ = nullptr;
    std::vector<QLabel*> flow_;
};

} // namespace twl
