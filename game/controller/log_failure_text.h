#pragma once

#include <QString>

#include <exception>
#include <string>

// What the player reads when the game log fails. The log's own errors speak
// English for its other users; the game names the failure in its language.
enum class TLogStep { Use, Write, Close };

std::string LogFailureText(TLogStep step, const std::exception& error, const QString& logFileName);
