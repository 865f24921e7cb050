#pragma once
// One section of the HTML quick reference: its header line and, under it, its entries. The
// panel's height shows or cuts off the entries; the window sets it.

#include <QWidget>

namespace twl {

class PressableLabel;
struct ReferenceSection;

class SectionPanel : public QWidget {
    Q_OBJECT
public:
    // Named after the section's key: "charPNL", its header "charLBL", its snippets "char1"...
    SectionPanel(const ReferenceSection& section, QWidget* parent);

    void SetOpen(bool open);

signals:
    // A left click on the header, reported on release.
    void headerClicked();
    // A left click on the snippet of entry index.
    void entryClicked(int index);

private:
    const ReferenceSection& section_;
    PressableLabel* header_ = nullptr;
};

} // namespace twl
