#pragma once
// The system clipboard as the program uses it: plain text, a picture, or both at once.

#include "core/base/pixel_image.h"

#include <string>

namespace twl {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Each call replaces the whole clipboard content.
    virtual void SetText(const std::string& text) = 0;
    virtual void SetImage(const PixelImage& image) = 0;
    virtual void SetTextAndImage(const std::string& text, const PixelImage& image) = 0;
    // The clipboard's text, empty when it holds none.
    virtual std::string Text() const = 0;
};

} // namespace twl
