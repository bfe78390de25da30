#include "cards/zucard_deck_source.h"

TZuDeckFileReader BuiltInDeckFileReader()
{
    // The deck-file reader is returned from here once it exists.
    return {};
}
