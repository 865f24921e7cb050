#pragma once
// What the tool windows share: borderless, black, a 2-pixel grey frame, no task-bar entry,
// moved by a left press on their title or background, their menu on a right press, centred on
// the screen at their first showing and left where they are after that.

#include "core/base/geometry.h"

#include <QWidget>

#include <functional>

class QMenu;

namespace twl {

class ToolWindow : public QWidget {
    Q_OBJECT
public:
    explicit ToolWindow(const QString& name, QWidget* parent = nullptr);

    // Presses on the window's background and on these handles move it (left) or open the menu
    // at the pointer (right).
    void AddMoveHandle(QWidget* handle);
    void SetWindowMenu(QMenu* menu) { windowMenu_ = menu; }
    QMenu* WindowMenu() const { return windowMenu_; }

    // Moves the window to its stored place; a place on none of the monitors there now (it was
    // stored while another monitor was plugged in) becomes the nearest place on one of them.
    void MoveToStoredPlace(Point place);

    // Shows the window; the first showing centres it on the screen.
    void ShowWindow();
    bool ShownBefore() const { return shownBefore_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A left press moves the window with the pointer, a right press opens the window menu.
    bool HandlePress(QMouseEvent* event);
    // The release of the press that asked for a move came here: the window manager had not
    // taken the pointer yet, and its move is ended.
    void HandleRelease(QMouseEvent* event);

    QMenu* windowMenu_ = nullptr;
    bool awaitingRelease_ = false;
    bool shownBefore_ = false;
};

} // namespace twl
