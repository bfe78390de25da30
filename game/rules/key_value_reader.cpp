#include "game/rules/key_value_reader.h"

#include "game/rules/game_text.h"

#include <algorithm>

namespace zaviko::rules {

namespace {

// More digits could overflow before the range is checked.
constexpr std::size_t kMaxDigits = 18;

bool AllDigits(const std::string& word, std::size_t from)
{
    return word.size() > from && word.size() - from <= kMaxDigits
        && std::all_of(
            word.begin() + from, word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

TKeyValueReader::TKeyValueReader(const std::string& text)
    : FIn(text)
{
}

bool TKeyValueReader::Key(const char* key)
{
    std::string word;
    if (FOk && !(FIn >> word && word == key)) {
        // Shown as "nedostaje polje mode"; the window translates it by this form.
        std::string text = QT_TRANSLATE_NOOP("GameText", "nedostaje polje %1");
        Fail(text.replace(text.find("%1"), 2, key));
    }
    return FOk;
}

long long TKeyValueReader::Number(long long low, long long high)
{
    if (!FOk) return low;
    std::string word;
    if (FIn >> word) {
        const std::size_t sign = low < 0 && word.front() == '-' ? 1 : 0;
        if (AllDigits(word, sign)) {
            const long long value = std::stoll(word);
            if (value >= low && value <= high) return value;
        }
    }
    Fail(QT_TRANSLATE_NOOP("GameText", "broj van dozvoljenog opsega"));
    return low;
}

std::vector<int> TKeyValueReader::List(const char* key, int maxCount, int low, int high)
{
    std::vector<int> values;
    if (!Key(key)) return values;
    const int n = Int(0, maxCount);
    for (int i = 0; FOk && i < n; ++i)
        values.push_back(Int(low, high));
    return values;
}

std::string TKeyValueReader::Rest()
{
    std::string rest;
    std::getline(FIn >> std::ws, rest);
    if (!rest.empty() && rest.back() == '\r') rest.pop_back();
    return rest;
}

bool TKeyValueReader::AtEnd()
{
    std::string word;
    return !(FIn >> word);
}

bool TKeyValueReader::NothingLeft()
{
    FIn >> std::ws;
    return FIn.peek() == std::char_traits<char>::eof();
}

void TKeyValueReader::Fail(const std::string& why)
{
    if (FOk) FError = why;
    FOk = false;
}

void WriteKeyList(std::ostream& out, const char* key, const std::vector<int>& ids)
{
    out << key << ' ' << ids.size();
    for (int id : ids)
        out << ' ' << id;
    out << '\n';
}

} // namespace zaviko::rules
