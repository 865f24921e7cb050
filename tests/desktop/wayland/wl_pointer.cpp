// The tests' pointer on a Wayland desktop without input devices: a virtual pointer that follows
// commands read from standard input, one a line, until its end:
//   move X Y      the pointer to (X, Y) of the desktop, WIDTH x HEIGHT logical pixels
//   extent W H    the desktop is W x H from now on (its outputs changed)
//   press, release, click   the left button
//   sleep MS
// Each command is acknowledged with "ok" on standard output once the compositor has it.
// usage: twl_wl_pointer WIDTH HEIGHT

#include "twl-virtual-pointer-client-protocol.h"

#include <wayland-client.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

namespace {

zwlr_virtual_pointer_manager_v1* manager = nullptr;
wl_seat* seat = nullptr;

void Global(void*, wl_registry* registry, std::uint32_t name, const char* interface,
            std::uint32_t) {
    if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
        manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
    } else if (std::strcmp(interface, wl_seat_interface.name) == 0 && seat == nullptr) {
        seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    }
}
void GlobalRemove(void*, wl_registry*, std::uint32_t) {}
const wl_registry_listener kRegistry{Global, GlobalRemove};

std::uint32_t Now() {
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: twl_wl_pointer WIDTH HEIGHT\n");
        return 2;
    }
    auto width = static_cast<std::uint32_t>(std::atoi(argv[1]));
    auto height = static_cast<std::uint32_t>(std::atoi(argv[2]));
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "twl_wl_pointer: no Wayland display\n");
        return 1;
    }
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistry, nullptr);
    wl_display_roundtrip(display);
    if (manager == nullptr) {
        std::fprintf(stderr, "twl_wl_pointer: no zwlr_virtual_pointer_manager_v1\n");
        return 1;
    }
    zwlr_virtual_pointer_v1* pointer =
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, seat);
    constexpr std::uint32_t kLeftButton = 0x110; // BTN_LEFT
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string command;
        words >> command;
        if (command == "move") {
            std::uint32_t x = 0, y = 0;
            words >> x >> y;
            zwlr_virtual_pointer_v1_motion_absolute(pointer, Now(), x, y, width, height);
            zwlr_virtual_pointer_v1_frame(pointer);
        } else if (command == "press" || command == "release" || command == "click") {
            if (command != "release") {
                zwlr_virtual_pointer_v1_button(pointer, Now(), kLeftButton, 1);
                zwlr_virtual_pointer_v1_frame(pointer);
            }
            if (command != "press") {
                wl_display_roundtrip(display);
                zwlr_virtual_pointer_v1_button(pointer, Now(), kLeftButton, 0);
                zwlr_virtual_pointer_v1_frame(pointer);
            }
        } else if (command == "extent") {
            words >> width >> height;
        } else if (command == "sleep") {
            int ms = 0;
            words >> ms;
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        }
        wl_display_roundtrip(display);
        std::cout << "ok" << std::endl;
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
