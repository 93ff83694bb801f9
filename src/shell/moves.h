#pragma once

// The steps that several screens share: answering a question, moving on from
// one screen to the next, and the two commands of the common menu bar.

#include "resources/screen_id.h"

namespace tolvane {

class ScreenRegistry;
struct QuizStep;

// Reads the answer box unchanged, hides the question screen and shows the
// step's match or miss verdict screen.
void answerAndMove(ScreenRegistry &screens, const QuizStep &step);

// Hides `from`, then shows `to`; `to`'s load handler, if it loads, runs in
// between, while neither is visible.
void moveOn(ScreenRegistry &screens, ScreenId from, ScreenId to);

// "&A propos de...": the About box, modeless, brought to the front if it is open.
void showAboutBox(ScreenRegistry &screens);

} // namespace tolvane
