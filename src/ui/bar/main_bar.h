#pragma once
// The main bar: a borderless black bar 42 pixels wide with no task-bar entry.

#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace twl {

class Form1 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 42;

    explicit Form1(QWidget* parent = nullptr);

    // Runs when the bar is closed (the exit command or a close sent to the window); it does the
    // saving and ends the program.
    void OnClose(std::function<void()> handler) { onClose_ = std::move(handler); }

    // Gets the bar's keys first; true when the key was used.
    void OnKey(std::function<bool(QKeyEvent*)> handler) { onKey_ = std::move(handler); }

    // Keeps or drops the always-on-top state without moving the bar.
    void ApplyStayOnTop(bool on);

    // Starts moving the bar with the pointer (the left button is down): through the window
    // manager, or by hand where it refuses. When the bar comes to rest the handler runs.
    void StartMove();
    void OnMoved(std::function<void()> handler) { onMoved_ = std::move(handler); }
    // Runs once, after the bar has been painted for the first time.
    void OnFirstPaint(std::function<void()> handler) { onFirstPaint_ = std::move(handler); }

protected:
    void closeEvent(QCloseEvent* event) override;
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
    std::function<void()> onClose_;
    std::function<bool(QKeyEvent*)> onKey_;
    std::function<void()> onMoved_;
    std::function<void()> onFirstPaint_;
    // A move by the window manager ends when the bar has not moved for a moment.
    QTimer moveSettled_;
    bool systemMove_ = false;
    bool manualMove_ = false;
    QPoint grabOffset_;
};

} // namespace twl
