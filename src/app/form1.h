#pragma once
// The main bar: a borderless black bar 42 pixels wide with no task-bar entry.

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

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The bar's rounded shape follows every change of size.
    void resizeEvent(QResizeEvent* event) override;

private:
    std::function<void()> onClose_;
    std::function<bool(QKeyEvent*)> onKey_;
};

} // namespace twl
