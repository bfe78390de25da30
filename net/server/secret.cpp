#include "net/server/secret.h"

#include <QByteArray>
#include <QRandomGenerator>

namespace zaviko::net {

QString RandomSecret(int bits)
{
    QByteArray bytes((bits + 7) / 8, Qt::Uninitialized);
    for (char& b : bytes)
        b = char(QRandomGenerator::system()->bounded(256));
    return QString::fromLatin1(bytes.toHex());
}

bool SecretsEqual(const QString& a, const QString& b)
{
    const QByteArray x = a.toUtf8(), y = b.toUtf8();
    unsigned diff = unsigned(x.size() ^ y.size());
    for (qsizetype i = 0; i < x.size(); ++i)
        diff |= unsigned(char(x[i] ^ (i < y.size() ? y[i] : 0)));
    return diff == 0 && !x.isEmpty();
}

} // namespace zaviko::net
