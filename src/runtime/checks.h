#pragma once

// The checks every runtime makes before it acts for the game, so that a
// wrong call raises the same RuntimeError on every runtime: a control index
// and the property used on it, and a window's position.

#include "resources/screen_layout.h"
#include "runtime/runtime_error.h"
#include "runtime/window.h"

#include <initializer_list>

namespace tolvane::runtime {

// What a property of a control needs of its kind.
enum class ControlProperty {
    Caption, // labels and command buttons
    Visible, // every kind but timers
    Text,    // text boxes
    Enabled, // timers (the game only ever stops one)
};

bool hasProperty(ControlKind kind, ControlProperty property);

// The control's layout. Throws RuntimeError::controlNotFound for an index
// past the layout's controls, RuntimeError::propertyNotSupported for a
// control of a kind without the property.
const ControlLayout &controlFor(const ScreenLayout &layout, ControlIndex index, ControlProperty property);

// A window's Left or Top in twips, in pixels at `dpi`. Throws
// RuntimeError::windowOperationFailed for a value that is not a finite
// number or that lies beyond any display (more than 100,000,000 twips away).
int windowPixels(float twips, int dpi = 96);

} // namespace tolvane::runtime
