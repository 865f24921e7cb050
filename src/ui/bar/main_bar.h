#pragma once
// The main bar: a borderless black bar 42 pixels wide with no task-bar entry.

#include <QPoint>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace twl {

class MainBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 42;

    explicit MainBar(QWidget* parent = nullptr);

    // Keeps or drops the always-on-top state without moving the bar.
    void ApplyStayOnTop(bool on);

    // Starts moving the bar with the pointer (the left button is down): through the window
    // manager, or by hand where it refuses; the bar tells when it has come to rest.
    void StartMove();
    // The left button that started a move came up where the bar hears it: the window manager had
    // not taken the pointer yet, and its move is ended.
    void EndPressedMove();

signals:
    // The bar was closed (the exit command or a close sent to the window): save and end.
    void closed();
    // A key while the bar has the focus; a listener that uses it accepts the event.
    void keyPressed(QKeyEvent* event);
    // A move of the bar has come to rest.
    void moved();
    // Once, after the bar has been painted for the first time (sent from the event loop).
    void firstPainted();
    // Files of a file manager ("text/uri-list") were dropped on the bar: their local paths.
    void filesDropped(const QStringList& paths);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A left press on the bare background moves the bar.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // The bar's rounded shape follows every change of size.
    void resizeEvent(QResizeEvent* event) override;

private:
    bool painted_ = false;
    // A move by the window manager ends when the bar has not moved for a moment.
    QTimer moveSettled_;
    bool systemMove_ = false;
    bool awaitingRelease_ = false; // a system move was asked for on a press still held
    bool manualMove_ = false;
    QPoint grabOffset_;
};

} // namespace twl
