#include "tests/support/reference_splits.h"

#include "game/rules/capture_errors.h"
#include "game/rules/capture_search.h"

#include <algorithm>

TArraySume ReferenceSplits(std::span<const int> values)
{
    TArraySume splits;
    ForEachReferenceSplit(values, [&](std::span<const int> sums) {
        TSume& sume = splits.emplace_back();
        for (int s : sums)
            sume.AddSum(s);
        return false;
    });
    return splits;
}

std::vector<std::vector<int>> ReferenceValueRows(std::span<const int> cardValues)
{
    std::vector<std::vector<int>> rows(1, std::vector<int>(cardValues.size(), 0));
    for (std::size_t column = 0; column < cardValues.size(); ++column) {
        if (cardValues[column] != kAceValue) {
            for (auto& row : rows)
                row[column] = CaptureSumValue(cardValues[column]);
            continue;
        }
        const std::size_t half = rows.size();
        const auto lower = rows;
        rows.insert(rows.end(), lower.begin(), lower.end());
        for (std::size_t r = 0; r < rows.size(); ++r)
            rows[r][column] = r < half ? kAceAsOne : kAceAsEleven;
    }
    for (auto& row : rows)
        row.erase(std::find(row.begin(), row.end(), 0), row.end());
    return rows;
}

bool ReferenceSubSumsMatch(std::span<const int> cardValues, int target)
{
    for (const auto& row : ReferenceValueRows(cardValues)) {
        const bool matched = ForEachReferenceSplit(row, [target](std::span<const int> sums) {
            return std::all_of(sums.begin(), sums.end(), [target](int s) { return s == target; });
        });
        if (matched) return true;
    }
    return false;
}

bool ReferenceCanTake(int handValue, std::span<const int> tableValues)
{
    if (tableValues.empty()) throw EInvalidPlay(kNoMarkedCardsText);
    if (tableValues.size() == 1)
        return CaptureSumValue(tableValues[0]) == CaptureSumValue(handValue);
    const int target = handValue == kAceValue ? kAceAsEleven : CaptureSumValue(handValue);
    return ReferenceSubSumsMatch(tableValues, target);
}
