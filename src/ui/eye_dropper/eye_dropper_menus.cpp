#include "ui/eye_dropper/eye_dropper_menus.h"

#include "core/sampling/magnifier_state.h"

namespace twl {

namespace {

QAction* Item(QMenu* menu, const QString& caption, const QString& name, bool checkable = false) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setCheckable(checkable);
    return action;
}

} // namespace

EyeDropperMenus BuildEyeDropperMenus(QWidget* owner) {
    EyeDropperMenus m;
    m.eyeImgMenu = new QMenu(owner);
    m.eyeImgMenu->setObjectName(QStringLiteral("EyeImgMenu"));
    const QString zoomNames[] = {QStringLiteral("2x"), QStringLiteral("4x"), QStringLiteral("6x"),
                                 QStringLiteral("8x")};
    for (int i = 0; i < 4; ++i) {
        m.zoom[0][i] = Item(m.eyeImgMenu, QStringLiteral("&") + zoomNames[i],
                            QStringLiteral("N%11").arg(zoomNames[i]), true);
    }
    m.eyeImgMenu->addSeparator();
    m.sampling[0][0] =
        Item(m.eyeImgMenu, QStringLiteral("&Single Pixel"), QStringLiteral("SinglePixel1"), true);
    m.sampling[0][1] = Item(m.eyeImgMenu, QStringLiteral("3x3"), QStringLiteral("N3x31"), true);
    m.sampling[0][2] = Item(m.eyeImgMenu, QStringLiteral("5x5"), QStringLiteral("N5x51"), true);

    m.eyeMenu = new QMenu(owner);
    m.eyeMenu->setObjectName(QStringLiteral("EyeMenu"));
    QMenu* zoom = m.eyeMenu->addMenu(QStringLiteral("Zoom"));
    for (int i = 0; i < 4; ++i) {
        m.zoom[1][i] = Item(zoom, zoomNames[i], QStringLiteral("N%12").arg(zoomNames[i]), true);
    }
    QMenu* sampling = m.eyeMenu->addMenu(QStringLiteral("Sampling"));
    m.sampling[1][0] =
        Item(sampling, QStringLiteral("Single Pixel"), QStringLiteral("SinglePixel2"), true);
    m.sampling[1][1] = Item(sampling, QStringLiteral("3x3"), QStringLiteral("N3x32"), true);
    m.sampling[1][2] = Item(sampling, QStringLiteral("5x5"), QStringLiteral("N5x52"), true);
    QMenu* size = m.eyeMenu->addMenu(QStringLiteral("Magnifier Size"));
    m.normal = Item(size, QStringLiteral("Normal"), QStringLiteral("Normal1"), true);
    m.big = Item(size, QStringLiteral("Big"), QStringLiteral("Big1"), true);
    m.eyeMenu->addSeparator();
    m.addColor = Item(m.eyeMenu, QStringLiteral("Add Color to Palette"),
                      QStringLiteral("AddColortoPalette1"));
    m.eyeMenu->addSeparator();
    m.showGrid = Item(m.eyeMenu, QStringLiteral("Show Grid"), QStringLiteral("ShowGrid1"), true);
    m.showWebSafeInfo = Item(m.eyeMenu, QStringLiteral("Show Web Safe Info"),
                             QStringLiteral("ShowWebSafeInfo1"), true);
    m.autoPosition =
        Item(m.eyeMenu, QStringLiteral("Auto Position"), QStringLiteral("Snap1"), true);
    m.eyeMenu->addSeparator();
    QMenu* save = m.eyeMenu->addMenu(QStringLiteral("Save Image as"));
    m.savePng = Item(save, QStringLiteral("Portable Network Graphics File (.png)"),
                     QStringLiteral("PortableNetworkGraphics1"));
    m.saveBmp =
        Item(save, QStringLiteral("Windows Bitmap File (.bmp)"), QStringLiteral("WindowsBitmap1"));
    m.saveGif = Item(save, QStringLiteral("Graphics Interchange Format (.gif)"),
                     QStringLiteral("GraphicsInterchangeFormat1"));
    m.copyImage =
        Item(m.eyeMenu, QStringLiteral("Copy Image"), QStringLiteral("CopyMagnifiedImage1"));
    m.eyeMenu->addSeparator();
    m.moreOptions =
        Item(m.eyeMenu, QStringLiteral("More Options..."), QStringLiteral("MoreOptions1"));
    m.close =
        Item(m.eyeMenu, QStringLiteral("Close Eye Dropper"), QStringLiteral("CloseEyeDropper1"));
    return m;
}

void TickMagnifierItems(EyeDropperMenus& menus, const MagnifierState& state) {
    for (const auto& items : menus.zoom) {
        for (int i = 0; i < 4; ++i) {
            items[static_cast<std::size_t>(i)]->setChecked(state.zoomLevel == i + 1);
        }
    }
    for (const auto& items : menus.sampling) {
        for (int i = 0; i < 3; ++i) {
            items[static_cast<std::size_t>(i)]->setChecked(state.samplingMode == i);
        }
    }
    menus.normal->setChecked(state.magnifierSize == 0);
    menus.big->setChecked(state.magnifierSize == 1);
}

} // namespace twl
