#pragma once
// The format editor (Form14, "Color Value Format"): a name and a template composed from the
// sixteen value parts and free text, with a live preview for a sample colour. The Options dialog
// opens it in new or edit mode; OK adds or replaces one line of the format list.

#include "core/color/color_text.h"
#include "core/formats/format_edit.h"

#include <QDialog>

#include <cstddef>
#include <string>
#include <string_view>

class QLabel;
class QLineEdit;
class QListWidget;

namespace twl {

class Dialogs;
class FilledBox;
class FormatList;

class FormatEditor : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 416, kHeight = 303;

    FormatEditor(FormatList& formats, Dialogs& dialogs);

    // Sets the mode and the boxes, then shows the editor without blocking.
    void Open(FormatEditMode mode, std::size_t editIndex, const std::string& name,
              const std::string& templ);
    TColor PreviewColor() const { return previewColor_; }

    // A double-click on a value part: its placeholder goes to the end of the template.
    void AddValuePart(int row);
    // Appends a placeholder to the template and leaves the caret after it.
    void AddPlaceholder(std::string_view placeholder);
    void AddPreviewToName();
    void ChangePreviewColor();
    void ConfirmFormat();

signals:
    // The format list changed: the Options dialog refills its view.
    void formatsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void UpdatePreview();

    FormatList& formats_;
    Dialogs& dialogs_;
    FormatEditMode mode_ = FormatEditMode::New;
    std::size_t editIndex_ = 0;
    TColor previewColor_ = MakeColor(50, 100, 200);

    QListWidget* valueParts_ = nullptr;
    QLineEdit* template_ = nullptr;
    QLabel* preview_ = nullptr;
    FilledBox* swatch_ = nullptr;
    QLabel* changeColor_ = nullptr;
    QLineEdit* name_ = nullptr;
};

} // namespace twl
