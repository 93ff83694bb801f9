#pragma once

// Copies of the game's layouts whose timers tick `scale` times their interval
// (0.02: fifty times as often), so that a test or the benchmark plays a whole
// game without waiting on the title and closing windows. The copies live as
// long as this object, since the windows built from them keep them.

#include "resources/screen_layout.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace tolvane::testing {

class ScaledLayouts {
public:
    double scale = 1.0;

    const ScreenLayout &of(const ScreenLayout &layout)
    {
        if (scale == 1.0)
            return layout;
        auto copy = std::make_unique<Copy>();
        copy->controls.assign(layout.controls.begin(), layout.controls.end());
        for (ControlLayout &c : copy->controls) {
            if (c.kind == ControlKind::Timer)
                c.interval = std::max(1, int(std::lround(c.interval * scale)));
        }
        copy->layout = layout;
        copy->layout.controls = copy->controls;
        m_copies.push_back(std::move(copy));
        return m_copies.back()->layout;
    }

private:
    struct Copy {
        ScreenLayout layout;
        std::vector<ControlLayout> controls;
    };
    std::vector<std::unique_ptr<Copy>> m_copies;
};

} // namespace tolvane::testing
