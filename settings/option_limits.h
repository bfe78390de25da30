#pragma once

// The largest pauses the options dialog offers. The settings reader uses the
// same limits, so a hand-edited file cannot make the computer wait for hours.
namespace OptionLimits {
constexpr int MaxCompPlayDelay = 10; // seconds a computer shows its move
constexpr int MaxCompWaitForPlay = 5; // half seconds between two moves
constexpr int LastCompPlays = 3; // 0 Pametno, 1 Prosecno, 2 Glupo, 3 Majstor
} // namespace OptionLimits
