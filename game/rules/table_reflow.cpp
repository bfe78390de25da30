#include "game/rules/table_reflow.h"

#include <algorithm>

namespace zaviko::rules {

bool ReflowTableToMiddle(TMatchState& state)
{
    bool moved = false;
    for (std::vector<int>& row : state.table) {
        std::vector<int> cards;
        std::copy_if(row.begin(), row.end(), std::back_inserter(cards),
            [](int id) { return id != kNoCard; });
        std::vector<int> next(row.size(), kNoCard);
        const std::size_t first = (row.size() - cards.size()) / 2;
        std::copy(cards.begin(), cards.end(), next.begin() + std::ptrdiff_t(first));
        moved |= next != row;
        row = std::move(next);
    }
    return moved;
}

} // namespace zaviko::rules
