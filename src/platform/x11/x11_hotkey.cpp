#include "platform/x11/x11_hotkey.h"

#include "platform/x11/hotkey_keysyms.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMetaObject>

#include <xcb/xcb_keysyms.h>

#include <cstdlib>
#include <memory>

namespace twl {

namespace {

constexpr std::uint32_t kKeysymNumLock = 0xFF7F;

struct KeySymbolsDeleter {
    void operator()(xcb_key_symbols_t* symbols) const { xcb_key_symbols_free(symbols); }
};
using KeySymbols = std::unique_ptr<xcb_key_symbols_t, KeySymbolsDeleter>;

// Every keycode that carries the keysym in the current keymap.
std::vector<std::uint8_t> KeycodesOf(xcb_key_symbols_t* symbols, std::uint32_t keysym) {
    std::vector<std::uint8_t> keycodes;
    xcb_keycode_t* list = xcb_key_symbols_get_keycode(symbols, keysym);
    for (const xcb_keycode_t* code = list; code != nullptr && *code != XCB_NO_SYMBOL; ++code) {
        keycodes.push_back(*code);
    }
    std::free(list);
    return keycodes;
}

} // namespace

X11GlobalHotkey::X11GlobalHotkey() : x11_(QtX11Connection()) {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        filterInstalled_ = true;
    }
}

X11GlobalHotkey::~X11GlobalHotkey() {
    Unregister();
    if (filterInstalled_ && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
}

bool X11GlobalHotkey::Register(const Hotkey& hotkey) {
    Unregister();
    const auto keysym = KeysymForKeyName(hotkey.key);
    if (!x11_ || !keysym) {
        return false;
    }
    xcb_connection_t* connection = x11_->connection;
    const KeySymbols symbols(xcb_key_symbols_alloc(connection));
    if (!symbols) {
        return false;
    }
    const auto keycodes = KeycodesOf(symbols.get(), *keysym);
    if (keycodes.empty()) {
        return false; // no such key on this keyboard
    }
    const std::uint8_t keycode = keycodes.front();
    const std::uint16_t modifiers = X11ModifierMask(hotkey.modifiers);
    const std::uint16_t numLockMask = FindNumLockMask(KeycodesOf(symbols.get(), kKeysymNumLock));

    // Send every grab first, then collect the answers: one round trip for all of them.
    const auto locks = LockCombinations(numLockMask);
    std::vector<xcb_void_cookie_t> cookies;
    for (const std::uint16_t lock : locks) {
        cookies.push_back(xcb_grab_key_checked(connection, 0, x11_->root,
                                               static_cast<std::uint16_t>(modifiers | lock),
                                               keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    }
    std::vector<std::uint16_t> granted;
    bool refused = false;
    for (std::size_t i = 0; i < cookies.size(); ++i) {
        xcb_generic_error_t* error = xcb_request_check(connection, cookies[i]);
        if (error != nullptr) {
            refused = true; // BadAccess: another client holds this combination
            std::free(error);
        } else {
            granted.push_back(locks[i]);
        }
    }

    keycode_ = keycode;
    modifiers_ = modifiers;
    numLockMask_ = numLockMask;
    if (refused) {
        Ungrab(granted);
        keycode_ = 0;
        return false;
    }
    grabbedLocks_ = granted;
    return true;
}

void X11GlobalHotkey::Unregister() {
    if (keycode_ != 0) {
        Ungrab(grabbedLocks_);
    }
    keycode_ = 0;
    grabbedLocks_.clear();
    held_ = false;
    releaseTime_ = 0;
}

void X11GlobalHotkey::Ungrab(const std::vector<std::uint16_t>& lockMasks) {
    // Once the application is gone, so is its connection, and the server dropped its grabs.
    if (qGuiApp == nullptr) {
        return;
    }
    for (const std::uint16_t lock : lockMasks) {
        xcb_ungrab_key(x11_->connection, keycode_, x11_->root,
                       static_cast<std::uint16_t>(modifiers_ | lock));
    }
    xcb_flush(x11_->connection);
}

std::uint16_t
X11GlobalHotkey::FindNumLockMask(const std::vector<std::uint8_t>& numLockKeycodes) const {
    if (numLockKeycodes.empty()) {
        return 0;
    }
    xcb_connection_t* connection = x11_->connection;
    std::unique_ptr<xcb_get_modifier_mapping_reply_t, decltype(&std::free)> mapping(
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr),
        &std::free);
    if (!mapping) {
        return kX11Mod2Mask;
    }
    const std::span<const std::uint8_t> map(
        xcb_get_modifier_mapping_keycodes(mapping.get()),
        static_cast<std::size_t>(xcb_get_modifier_mapping_keycodes_length(mapping.get())));
    return ModifierMaskOfKeycodes(map, mapping->keycodes_per_modifier, numLockKeycodes);
}

bool X11GlobalHotkey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (keycode_ == 0 || message == nullptr || eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const auto type = event->response_type & 0x7F;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE) {
        return false;
    }
    // Press and release share one layout.
    const auto* key = static_cast<const xcb_key_press_event_t*>(message);
    if (key->detail != keycode_ || key->event != x11_->root) {
        return false;
    }
    if (type == XCB_KEY_RELEASE) {
        held_ = false;
        releaseTime_ = key->time;
        return true;
    }
    if (!StateMatches(key->state, modifiers_, numLockMask_)) {
        return false;
    }
    // Auto-repeat: further presses without a release, or (without detectable auto-repeat) a
    // release and a press that carry the same time.
    const bool repeat = held_ || (releaseTime_ != 0 && key->time == releaseTime_);
    held_ = true;
    if (!repeat) {
        QMetaObject::invokeMethod(
            &context_, [this] { emit pressed(); }, Qt::QueuedConnection);
    }
    return true;
}

} // namespace twl
