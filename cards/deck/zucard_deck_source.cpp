#include "cards/deck/zucard_deck_source.h"

#include "cards/deck/zucard_deck_file.h"

TZuDeckFileReader BuiltInDeckFileReader()
{
    return ReadDeckFile;
}
