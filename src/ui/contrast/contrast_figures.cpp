#include "ui/contrast/contrast_figures.h"

#include "core/contrast/contrast.h"
#include "ui/common/window_font.h"

#include <QLabel>

namespace twl {

namespace {

const char* const kRowNames[ContrastFigures::kRows] = {"RatioLBL",     "AANormalLBL", "AALargeLBL",
                                                       "AAANormalLBL", "AAALargeLBL", "NonTextLBL",
                                                       "ApcaLBL"};

const QString kSilver = QStringLiteral("color: rgb(192, 192, 192); background: transparent;");
const QString kPass = QStringLiteral("color: rgb(96, 208, 96); background: transparent;");
const QString kFail = QStringLiteral("color: rgb(240, 96, 96); background: transparent;");

QLabel* RowLabel(QWidget* parent, const QString& text, int top, int left, int width) {
    auto* label = new QLabel(text, parent);
    label->setFont(TahomaFont(8));
    label->setStyleSheet(kSilver);
    label->setGeometry(left, top, width, ContrastFigures::kRowHeight);
    return label;
}

} // namespace

ContrastFigures::ContrastFigures(const QString& prefix, QWidget* parent) : QWidget(parent) {
    resize(80, kRowHeight * kRows);
    for (int row = 0; row < kRows; ++row) {
        QLabel* label = RowLabel(this, {}, row * kRowHeight, 0, width());
        label->setObjectName(prefix + QString::fromLatin1(kRowNames[row]));
        labels_.push_back(label);
    }
}

void ContrastFigures::AddCaptions(QWidget* parent, int left, int top, int width) {
    QStringList captions{QStringLiteral("Contrast ratio")};
    for (const ContrastCriterion& criterion : kContrastCriteria) {
        captions << QString::fromUtf8(criterion.label.data(),
                                      static_cast<qsizetype>(criterion.label.size()));
    }
    captions << QStringLiteral("APCA Lc");
    for (int row = 0; row < kRows; ++row) {
        RowLabel(parent, captions[row], top + row * kRowHeight, left, width);
    }
}

void ContrastFigures::ShowPair(TColor text, TColor background) {
    const double ratio = ContrastRatio(text, background);
    labels_[0]->setText(QString::fromStdString(RatioText(ratio)) + QStringLiteral(":1"));
    for (std::size_t i = 0; i < kContrastCriteria.size(); ++i) {
        const bool pass = Passes(ratio, kContrastCriteria[i].hundredths);
        QLabel* label = labels_[i + 1];
        label->setText(pass ? QStringLiteral("pass") : QStringLiteral("fail"));
        label->setStyleSheet(pass ? kPass : kFail);
    }
    labels_.back()->setText(QString::fromStdString(ApcaText(ApcaContrast(text, background))));
}

QStringList ContrastFigures::Texts() const {
    QStringList texts;
    for (const QLabel* label : labels_) {
        texts << label->text();
    }
    return texts;
}

} // namespace twl
