#include "ui/desktop/shell_open.h"

#include <QDesktopServices>

#include <utility>

namespace {

TShellOpen DefaultOpen()
{
    return [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

TShellOpen& Installed()
{
    static TShellOpen open = DefaultOpen();
    return open;
}

} // namespace

bool ShellOpen(const QUrl& Url)
{
    return Installed()(Url);
}

TShellOpen SetShellOpen(TShellOpen Open)
{
    return std::exchange(Installed(), Open ? std::move(Open) : DefaultOpen());
}
