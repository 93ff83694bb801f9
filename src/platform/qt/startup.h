#pragma once

class QApplication;

namespace tolvane::qt {

// Before the application object exists: on a Wayland session where the player
// chose no Qt platform, run through XWayland where it is there, since Wayland
// lets no program place its windows and every screen of the game centres
// itself; on Wayland itself where it is not.
void choosePlatform();

// Qt's own texts (the input box's buttons, the error box's) in French.
void installFrenchTranslations(QApplication &app);

} // namespace tolvane::qt
