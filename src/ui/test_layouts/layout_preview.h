#pragma once
// The Test Layouts preview (TestPNL): 144 × 144, white, with grey lines along its top, left and
// right edges beneath the areas S1 … S5 it holds.

#include "core/layout/test_layout.h"

#include <QWidget>

#include <array>

namespace twl {

class LayoutAreaView;

class LayoutPreview : public QWidget {
    Q_OBJECT
public:
    explicit LayoutPreview(QWidget* parent);

    LayoutAreaView* Area(int index) const { return areas_[static_cast<std::size_t>(index)]; }
    // Places, shows and colours the areas as the layout has them.
    void ShowLayout(const TestLayout& layout);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<LayoutAreaView*, kLayoutAreaCount> areas_{};
};

} // namespace twl
