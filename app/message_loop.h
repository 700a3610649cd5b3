#pragma once

#include <windows.h>

#include "app/window_registry.h"

namespace morvane {

// Hands one message to the program. Keyboard navigation goes to whichever of
// its windows is active: Tab walks the tab order, Enter or Space clicks a
// focused push button; everything else goes to the window it is meant for.
void DeliverMessage(const WindowRegistry& windows, const MSG& message);

// Delivers messages until the main window is gone.
int RunMessageLoop(const WindowRegistry& windows);

}  // namespace morvane
