#pragma once

#include "resources/screen_id.h"

#include <memory>

namespace tolvane {

class Screen;
class ScreenRegistry;

// The screen class that carries each slot's handlers.
std::unique_ptr<Screen> makeScreen(ScreenRegistry &screens, ScreenId id);

} // namespace tolvane
