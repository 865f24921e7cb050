#pragma once
// The desktop clipboard through Qt. On X11 the program owns the selection from a copy until
// another program takes it over, so what it copied can be pasted anywhere meanwhile.

#include "platform/clipboard.h"

namespace twl {

class QtClipboard : public Clipboard {
public:
    void SetText(const std::string& text) override;
    void SetImage(const PixelImage& image) override;
    void SetTextAndImage(const std::string& text, const PixelImage& image) override;
    std::string Text() const override;
};

} // namespace twl
