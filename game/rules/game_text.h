#pragma once

#include "game/rules/rules_namespace.h"

namespace zaviko::rules {

// The rules layer names its player-facing texts (why a saved match or the
// statistics cannot be read) in the source language and stays free of Qt; the
// marker only lists them for the translation files, under the context
// "GameText", and the window translates them where it shows them.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

} // namespace zaviko::rules
