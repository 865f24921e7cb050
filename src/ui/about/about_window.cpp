#include "ui/about/about_window.h"

#include "core/base/version_info.h"
#include "platform/shell.h"
#include "platform/window_fonts.h"
#include "ui/about/about_picture.h"
#include "ui/about/thanks_window.h"
#include "ui/bar/web_addresses.h"
#include "ui/common/pressable_label.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace twl {

namespace {

constexpr int kLeft = 30;
constexpr int kTextWidth = 457 - 2 * kLeft;
constexpr int kVersionTop = 128;
constexpr int kGroupGap = 16;

QFont TextFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    return font;
}

// The address a link shows: without its scheme.
QString Shown(const char* address) {
    QString text = QString::fromLatin1(address);
    text.remove(QStringLiteral("https://"));
    return text;
}

} // namespace

AboutWindow::AboutWindow(Shell& shell)
    : QWidget(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint), shell_(shell),
      thanks_(new ThanksWindow(this)) {
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(457, 360);
    setFont(TextFont());
    background_ = AboutPicture(size());

    versionCaption_ = new QLabel(QStringLiteral("Version:"), this);
    versionCaption_->setObjectName(QStringLiteral("VersionCaptionLBL"));
    version_ = new QLabel(QStringLiteral("x.x.x"), this);
    version_->setObjectName(QStringLiteral("VersionLBL"));
    version_->setText(QString::fromStdString(FileVersionText()));

    AddText(QStringLiteral("ContactLBL"),
            QStringLiteral("If you have any questions, suggestions or comments, you can contact "
                           "us at:"));
    const QString mail = QString::fromLatin1(kSupportEmail);
    connect(AddLink(QStringLiteral("MailLBL"), mail), &PressableLabel::pressed, this,
            [this, mail] { shell_.Open("mailto:" + mail.toStdString()); });
    AddText(QStringLiteral("ProductLBL"),
            QStringLiteral("For latest product information, visit us at:"));
    connect(AddLink(QStringLiteral("WebLBL"), Shown(kHomePage)), &PressableLabel::pressed, this,
            [this] { shell_.Open(kHomePage); });
    AddText(QStringLiteral("SchemesLBL"),
            QStringLiteral("Please also try Orlin Online - free online color scheme generator:"));
    connect(AddLink(QStringLiteral("SchemesLinkLBL"), Shown(kColorSchemeGeneratorPage)),
            &PressableLabel::pressed, this, [this] { shell_.Open(kColorSchemeGeneratorPage); });
    thanksLink_ =
        AddLink(QStringLiteral("ThanksLinkLBL"), QStringLiteral("We would like to thank to...."));
    connect(thanksLink_, &PressableLabel::pressed, thanks_, &ThanksWindow::ShowThanks);
    LayOut();
}

AboutWindow::~AboutWindow() = default;

QLabel* AboutWindow::AddText(const QString& name, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setWordWrap(true);
    flow_.push_back(label);
    return label;
}

PressableLabel* AboutWindow::AddLink(const QString& name, const QString& text) {
    auto* link = new PressableLabel(text, this);
    link->setObjectName(name);
    QPalette colors = link->palette();
    colors.setColor(QPalette::WindowText, QColor(0, 70, 190));
    link->setPalette(colors);
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    link->setCursor(Qt::PointingHandCursor);
    flow_.push_back(link);
    return link;
}

void AboutWindow::LayOut() {
    versionCaption_->adjustSize();
    version_->adjustSize();
    versionCaption_->move(kLeft, kVersionTop);
    version_->move(kLeft + versionCaption_->width() + 4, kVersionTop);
    // Each sentence with its link under it, the groups a little apart; the thanks line last.
    int top = kVersionTop + versionCaption_->height() + kGroupGap;
    for (QLabel* label : flow_) {
        const int tall =
            label->wordWrap() ? label->heightForWidth(kTextWidth) : label->sizeHint().height();
        label->setGeometry(kLeft, top, label->wordWrap() ? kTextWidth : label->sizeHint().width(),
                           tall);
        top += tall + (label->wordWrap() ? 1 : kGroupGap);
    }
    thanksLink_->move(kLeft, height() - thanksLink_->height() - 18);
}

void AboutWindow::ShowAbout() {
    // The window font may only now have been added: the texts are measured again.
    EnsureWindowFonts();
    LayOut();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}

void AboutWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
}

void AboutWindow::mousePressEvent(QMouseEvent* event) {
    // Presses the links do not take come here: from the picture and the sentences, which close
    // the box, and from the version line, which does nothing.
    const QWidget* under = childAt(event->position().toPoint());
    if (under != versionCaption_ && under != version_) {
        close();
    }
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace twl
