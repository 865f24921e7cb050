// A native Wayland window of the tests' own that shows a checkerboard of one-pixel cells,
// (x + y) even red and odd blue, counted in the window's logical pixels (its buffer has a scale
// of 1, so at an output scale of 2 each cell is 2 x 2 of the output's pixels). It runs until
// killed.

#include "xdg-shell-client-protocol.h"

#include <wayland-client.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include <sys/mman.h>
#include <unistd.h>

namespace {

wl_compositor* compositor = nullptr;
wl_shm* shm = nullptr;
xdg_wm_base* shell = nullptr;
wl_surface* surface = nullptr;
xdg_surface* shellSurface = nullptr;
wl_buffer* buffer = nullptr;
int width = 640, height = 480;

void Global(void*, wl_registry* registry, std::uint32_t name, const char* interface,
            std::uint32_t) {
    if (std::strcmp(interface, wl_compositor_interface.name) == 0) {
        compositor = static_cast<wl_compositor*>(
            wl_registry_bind(registry, name, &wl_compositor_interface, 4));
    } else if (std::strcmp(interface, wl_shm_interface.name) == 0) {
        shm = static_cast<wl_shm*>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
    } else if (std::strcmp(interface, xdg_wm_base_interface.name) == 0) {
        shell =
            static_cast<xdg_wm_base*>(wl_registry_bind(registry, name, &xdg_wm_base_interface, 1));
    }
}
void GlobalRemove(void*, wl_registry*, std::uint32_t) {}
const wl_registry_listener kRegistry{Global, GlobalRemove};

void Ping(void*, xdg_wm_base* base, std::uint32_t serial) {
    xdg_wm_base_pong(base, serial);
}
const xdg_wm_base_listener kShell{Ping};

void Draw() {
    const int stride = width * 4;
    const std::size_t size = static_cast<std::size_t>(stride) * static_cast<std::size_t>(height);
    const int fd = memfd_create("twl-checker", MFD_CLOEXEC);
    if (fd < 0 || ftruncate(fd, static_cast<off_t>(size)) != 0) {
        return;
    }
    auto* pixels =
        static_cast<std::uint32_t*>(mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels[y * width + x] = ((x + y) % 2 == 0) ? 0xFFFF0000u : 0xFF0000FFu;
        }
    }
    munmap(pixels, size);
    wl_shm_pool* pool = wl_shm_create_pool(shm, fd, static_cast<std::int32_t>(size));
    if (buffer != nullptr) {
        wl_buffer_destroy(buffer);
    }
    buffer = wl_shm_pool_create_buffer(pool, 0, width, height, stride, WL_SHM_FORMAT_XRGB8888);
    wl_shm_pool_destroy(pool);
    close(fd);
    wl_surface_attach(surface, buffer, 0, 0);
    wl_surface_damage(surface, 0, 0, width, height);
    wl_surface_commit(surface);
}

void SurfaceConfigure(void*, xdg_surface* s, std::uint32_t serial) {
    xdg_surface_ack_configure(s, serial);
    Draw();
}
const xdg_surface_listener kSurface{SurfaceConfigure};

void ToplevelConfigure(void*, xdg_toplevel*, std::int32_t w, std::int32_t h, wl_array*) {
    if (w > 0 && h > 0) {
        width = w;
        height = h;
    }
}
void ToplevelClose(void*, xdg_toplevel*) {}
const xdg_toplevel_listener kToplevel{ToplevelConfigure, ToplevelClose, nullptr, nullptr};

} // namespace

int main() {
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "twl_wl_checker: no Wayland display\n");
        return 1;
    }
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistry, nullptr);
    wl_display_roundtrip(display);
    if (compositor == nullptr || shm == nullptr || shell == nullptr) {
        std::fprintf(stderr, "twl_wl_checker: the compositor lacks what a window needs\n");
        return 1;
    }
    xdg_wm_base_add_listener(shell, &kShell, nullptr);
    surface = wl_compositor_create_surface(compositor);
    shellSurface = xdg_wm_base_get_xdg_surface(shell, surface);
    xdg_surface_add_listener(shellSurface, &kSurface, nullptr);
    xdg_toplevel* toplevel = xdg_surface_get_toplevel(shellSurface);
    xdg_toplevel_add_listener(toplevel, &kToplevel, nullptr);
    xdg_toplevel_set_title(toplevel, "twl-checker");
    wl_surface_commit(surface);
    while (wl_display_dispatch(display) != -1) {
    }
    return 0;
}
