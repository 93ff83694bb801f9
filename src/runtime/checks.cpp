#include "runtime/checks.h"

#include "resources/control_rules.h"

#include <cmath>
#include <string>

namespace tolvane::runtime {

bool hasProperty(ControlKind kind, ControlProperty property)
{
    switch (property) {
    case ControlProperty::Caption:
        return kind == ControlKind::Label || kind == ControlKind::CommandButton;
    case ControlProperty::Visible:
        return kind != ControlKind::Timer;
    case ControlProperty::Text:
        return kind == ControlKind::TextBox;
    case ControlProperty::Enabled:
        return kind == ControlKind::Timer;
    }
    return false;
}

const ControlLayout &controlFor(const ScreenLayout &layout, ControlIndex index, ControlProperty property)
{
    if (index >= layout.controls.size())
        throw RuntimeError::controlNotFound("#" + std::to_string(index));
    const ControlLayout &control = layout.controls[index];
    if (!hasProperty(control.kind, property))
        throw RuntimeError::propertyNotSupported(control.name);
    return control;
}

int windowPixels(float twips, int dpi)
{
    if (!std::isfinite(twips) || std::fabs(twips) > 1.0e8f)
        throw RuntimeError::windowOperationFailed();
    return pixelsFromTwips(twips, dpi);
}

} // namespace tolvane::runtime
