// The screen read on a wlroots desktop, from inside XWayland as the program reads it: one Eye
// Dropper tick through the screen copy (the pointer at rest, so the newest capture holds the
// area and the next is asked for), a read that waits for its own capture, and the still picture
// of the whole desktop that a pick over the overlay starts from. Run it through bench/wayland.sh,
// which starts a headless sway and measures the X11 tick and grim beside it.

#include "core/sampling/magnifier_geometry.h"
#include "platform/wayland/screencopy_screen_reader.h"
#include "platform/x11/x11_screen_reader.h"
#include "ui/eye_dropper/eye_sampler.h"

#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

template <typename F> double MedianMicroseconds(int runs, F&& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    std::string problem;
    auto capture = twl::WaylandCapture::Connect(problem);
    if (!capture) {
        std::fprintf(stderr, "wayland_capture: %s\n", problem.c_str());
        return 1;
    }
    twl::WaylandCapture* raw = capture.get();
    twl::ScreencopyScreenReader screen(std::move(capture),
                                       std::make_unique<twl::X11ScreenReader>());
    const twl::Rect desktop = screen.Desktop();
    const twl::Point middle{desktop.left + desktop.width / 2, desktop.top + desktop.height / 2};

    twl::EyeSampler sampler(screen);
    sampler.State() = twl::MagnifierState{1, 2, 1, true, middle};
    sampler.SetImageSide(289);
    sampler.Tick();
    const double tick = MedianMicroseconds(200, [&] { sampler.Tick(); });
    twl::SourceBlock block;
    const twl::Rect area = twl::TickRegion(middle, 289, 289, 1, 2);
    const double waited = MedianMicroseconds(30, [&] {
        raw->Cancel();
        raw->DropLatest();
        screen.Read(area, block);
    });
    const double still = MedianMicroseconds(15, [&] {
        screen.BeginPick();
        screen.Read(desktop, block);
    });
    std::printf("screen copy, desktop %dx%d logical\n", desktop.width, desktop.height);
    std::printf("  tick, Big/2x/5x5, pointer at rest (us)   %10.1f\n", tick);
    std::printf("  read that waits for its capture (us)      %10.1f\n", waited);
    std::printf("  still picture of the desktop (ms)         %10.2f\n", still / 1000);
    return 0;
}
