#pragma once
#include "system.h"

// Factories of the production services (Qt and POSIX); the platform creates each on first use.
std::unique_ptr<IClock> MakeSystemClock();
std::unique_ptr<IEventPump> MakeQtEventPump();
std::unique_ptr<IRandom> MakeSystemRandom();
std::unique_ptr<IDialogs> MakeMessageBoxDialogs();
std::unique_ptr<IShell> MakeDesktopShell();
std::unique_ptr<IScreen> MakeQtScreen();

// The production pump's work, shared with the test pump: deliver pending messages and deferred deletes.
void DeliverPendingMessages();
