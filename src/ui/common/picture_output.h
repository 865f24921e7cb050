#pragma once
// A picture the user sends somewhere: the clipboard, or a BMP, PNG or GIF file.

#include "core/base/pixel_image.h"

namespace twl {

class Clipboard;
class Dialogs;
class SaveFileDialog;

enum class PictureTarget { Clipboard, Bmp, Png, Gif };

// Puts picture on the clipboard, or writes it to the file the dialog is answered with. The
// dialog opens with an empty name and the target's filter selected (1 BMP, 2 PNG, 3 GIF); the
// file holds the target's format whatever extension is typed, and one that cannot be written
// says "Sorry! Cannot save file!" and leaves any old file as it was.
void SendPicture(const PixelImage& picture, PictureTarget target, SaveFileDialog& dialog,
                 Clipboard& clipboard, Dialogs& dialogs);

} // namespace twl
