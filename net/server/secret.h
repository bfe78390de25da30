#pragma once

#include <QString>

// Invitation codes, seat keys and table names: random bits from the system's
// source (never the match's seeded generator), written as lower-case hex.

namespace zaviko::net {

QString RandomSecret(int bits);
// Compares in time that does not depend on where the two differ, so timing
// a wrong guess tells nothing about the right one.
bool SecretsEqual(const QString& a, const QString& b);

} // namespace zaviko::net
