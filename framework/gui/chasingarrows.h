// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/control.h"

namespace fw {

// The busy indicator: spins while it is shown.
class ChasingArrows : public Control {
public:
    explicit ChasingArrows(fw::Window& window);
    std::string_view ClassName() const override { return "ChasingArrows"; }

protected:
    bool MakesWidgetWhenShown() const override { return true; }
    QWidget* MakeWidget(QWidget* content) override;
};

} // namespace fw
