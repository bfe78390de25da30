#pragma once

#include <QtGlobal>

// What the load program reads of the server process from /proc.

namespace zaviko::net {

qint64 ResidentBytes(qint64 pid);
// User and system processor time so far, in seconds.
double ProcessorSeconds(qint64 pid);

} // namespace zaviko::net
