#include "ui/common/picture_output.h"

#include "core/export/palette_export.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/qt_conversions.h"
#include "ui/common/image_files.h"
#include "ui/common/save_file_dialog.h"

#include <string>

namespace twl {

void SendPicture(const PixelImage& picture, PictureTarget target, SaveFileDialog& dialog,
                 Clipboard& clipboard, Dialogs& dialogs) {
    if (target == PictureTarget::Clipboard) {
        clipboard.SetImage(picture);
        return;
    }
    const ImageFormat format = target == PictureTarget::Bmp   ? ImageFormat::Bmp
                               : target == PictureTarget::Png ? ImageFormat::Png
                                                              : ImageFormat::Gif;
    const int filterIndex = target == PictureTarget::Bmp ? 1 : target == PictureTarget::Png ? 2 : 3;
    dialog.ClearFileName();
    if (const auto path = dialog.Run(filterIndex)) {
        if (!SaveImage(*path, ToQImage(picture), format)) {
            dialogs.ShowMessage(std::string(kCannotSaveFileText));
        }
    }
}

} // namespace twl
