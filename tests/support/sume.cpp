#include "tests/support/sume.h"

#include <stdexcept>

void TSume::AddSum(int value)
{
    if (FCount == kMaxCaptureCards)
        throw std::length_error("A split has at most one group per card");
    FSums[FCount++] = value;
}

int TSume::Sum(int index) const
{
    if (index < 0 || index >= FCount) throw std::out_of_range("No such group in the split");
    return FSums[index];
}
