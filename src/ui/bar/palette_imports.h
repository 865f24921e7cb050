#pragma once
// Palette files into the palette: "Open Palette..." and files dropped on the bar. The colours
// join in file order, the first on top, at most twenty, without the automatic copy; a file that
// cannot be read is named in one message and adds nothing.

#include <QObject>

#include <string>
#include <vector>

namespace twl {

class ColorNames;
class Dialogs;
class PaletteController;

class PaletteImports : public QObject {
    Q_OBJECT
public:
    // cssNames gives the colour names of CSS text in a file.
    PaletteImports(PaletteController& palette, Dialogs& dialogs, const ColorNames& cssNames,
                   QObject* parent = nullptr);

public slots:
    // The open dialog, then the file chosen.
    void OpenPalette();
    void ImportPaletteFile(const std::string& path);
    // Several files (a drop) as one: their colours in order, the first file's first on top; a
    // file that cannot be read is named and the others are taken.
    void ImportPaletteFiles(const std::vector<std::string>& paths);

private:
    PaletteController& palette_;
    Dialogs& dialogs_;
    const ColorNames& cssNames_;
};

} // namespace twl
