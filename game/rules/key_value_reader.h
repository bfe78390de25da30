#pragma once

#include "game/rules/rules_namespace.h"

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace zaviko::rules {

// Reads the words of a text a file format wrote in a fixed order: a key, then
// its numbers. The first failure sticks: later reads give their low bound and
// the reason, in Serbian for the player, stays the first one. The saved match
// and the statistics both read through it.
class TKeyValueReader {
public:
    explicit TKeyValueReader(const std::string& text);

    // Whether the next word is `key`; "nedostaje polje <key>" otherwise.
    bool Key(const char* key);
    // The next word as a whole decimal number in low..high, a minus sign only
    // where low is negative; "broj van dozvoljenog opsega" otherwise.
    long long Number(long long low, long long high);
    int Int(int low, int high) { return static_cast<int>(Number(low, high)); }
    // A key, a count 0..maxCount and that many numbers in low..high.
    std::vector<int> List(const char* key, int maxCount, int low, int high);
    // The rest of the current line, blank space before it and a closing CR left out.
    std::string Rest();
    // Whether nothing but blank space is left.
    bool AtEnd();
    // The same without taking the next word: whether only blank space is left.
    bool NothingLeft();

    void Fail(const std::string& why);
    bool Ok() const { return FOk; }
    const std::string& Error() const { return FError; }

private:
    std::istringstream FIn;
    bool FOk = true;
    std::string FError;
};

// Writes a list as TKeyValueReader::List reads it: the key, the count and
// the numbers, on a line of its own.
void WriteKeyList(std::ostream& out, const char* key, const std::vector<int>& ids);

} // namespace zaviko::rules
