#pragma once

// Proof that the layer check refuses a Qt header: the check of this file
// must fail.
#include <QString>

inline QString Name()
{
    return QStringLiteral("x");
}
