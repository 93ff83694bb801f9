#pragma once

// Which of the game's windows takes over when the active one leaves the
// screen: the one on view that was active most recently, as on a desktop
// whose windows stack in the order they were last active.

#include <algorithm>
#include <vector>

namespace tolvane::runtime {

template <class WindowType> class ActivationOrder {
public:
    void activated(WindowType *window)
    {
        forget(window);
        m_order.push_back(window);
    }
    void forget(WindowType *window) { std::erase(m_order, window); }
    // The window last active before `leaving` among those `onView` accepts; null if none.
    template <class OnView> WindowType *next(WindowType *leaving, OnView onView) const
    {
        for (auto w = m_order.rbegin(); w != m_order.rend(); ++w) {
            if (*w != leaving && onView(*w))
                return *w;
        }
        return nullptr;
    }

private:
    std::vector<WindowType *> m_order; // least recently active first
};

} // namespace tolvane::runtime
