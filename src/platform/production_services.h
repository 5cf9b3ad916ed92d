#pragma once
#include "system.h"

#include <functional>
#include <string>

// Whether the desktop names an application for documents of mimeType (xdg-mime), or, for web pages,
// a browser is at hand where xdg-open looks for one ($BROWSER, x-www-browser, www-browser).
bool DesktopHasViewer(const std::string& mimeType);

// Factories of the production services (Qt and POSIX); the platform creates each on first use.
std::unique_ptr<IClock> MakeSystemClock();
std::unique_ptr<IEventPump> MakeQtEventPump();
std::unique_ptr<IRandom> MakeSystemRandom();
std::unique_ptr<IDialogs> MakeMessageBoxDialogs();
// The desktop's shell. canOpen tells whether the desktop has an application for a document of a MIME
// type ("text/html"); without one the shell reports no association rather than handing the document
// to a desktop that would silently do nothing with it.
using TViewerCheck = std::function<bool(const std::string& mimeType)>;
std::unique_ptr<IShell> MakeDesktopShell(TViewerCheck canOpen = DesktopHasViewer);
std::unique_ptr<IScreen> MakeQtScreen();

// The production pump's work, shared with the test pump: deliver pending messages and deferred deletes.
void DeliverPendingMessages();
