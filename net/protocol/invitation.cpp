#include "net/protocol/invitation.h"

#include <QStringList>

namespace zaviko::net {

std::optional<TInvitation> ParseInvitation(const QString& link)
{
    const QUrl url(link, QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != QLatin1String("zaviko") || url.host().isEmpty()
        || url.port() <= 0)
        return std::nullopt;
    const QStringList parts = url.path().split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.size() != 2) return std::nullopt;
    return TInvitation { url.host(), url.port(), parts[0], parts[1] };
}

QUrl ServerUrl(const TInvitation& invitation, bool secure)
{
    QUrl url;
    url.setScheme(secure ? QStringLiteral("wss") : QStringLiteral("ws"));
    url.setHost(invitation.host);
    url.setPort(invitation.port);
    url.setPath(QStringLiteral("/"));
    return url;
}

} // namespace zaviko::net
