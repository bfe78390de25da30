#pragma once

#include <QUrl>

#include <functional>

// The desktop's "open" action for an address: a web address goes to the
// user's browser, a mailto address to the mail program. Everything that hands
// an address to the desktop goes through this one replaceable function, so
// tests record the address instead of starting a browser.
using TShellOpen = std::function<bool(const QUrl&)>;

// Opens the address with the function in use; true when the desktop took it.
bool ShellOpen(const QUrl& Url);

// Installs a function and returns the previous one; an empty function
// restores the default (QDesktopServices::openUrl).
TShellOpen SetShellOpen(TShellOpen Open);
