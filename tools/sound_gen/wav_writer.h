#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A RIFF WAVE file of 16-bit mono PCM, the form Qt's sound effects read.
std::vector<char> WavBytes(const std::vector<std::int16_t>& samples, int sampleRate);
// False when the file cannot be written.
bool WriteWav(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate);
