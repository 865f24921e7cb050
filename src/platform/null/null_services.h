#pragma once
// Stand-ins for the services a desktop other than X11 does not offer yet: a screen that reads
// as lying beyond every edge, and a hotkey that can never be had.

#include "platform/global_hotkey.h"
#include "platform/screen_reader.h"

namespace twl {

class NullScreenReader : public ScreenReader {
public:
    Rect Desktop() const override { return {}; }
    void Read(const Rect& area, SourceBlock& block) override;
    Point CursorPos() const override { return {}; }
    void SetCursorPos(Point) override {}
    std::string Describe() const override { return "none (no X11 display)"; }
};

class NullGlobalHotkey : public GlobalHotkey {
public:
    bool Register(const Hotkey&) override { return false; }
    void Unregister() override {}
};

} // namespace twl
