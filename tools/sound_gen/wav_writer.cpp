#include "tools/sound_gen/wav_writer.h"

#include <fstream>

namespace {

void Put(std::vector<char>& out, std::uint32_t value, int bytes)
{
    // RIFF is little-endian whatever the machine is.
    for (int i = 0; i < bytes; ++i)
        out.push_back(char((value >> (8 * i)) & 0xff));
}

void Put(std::vector<char>& out, const char* tag)
{
    out.insert(out.end(), tag, tag + 4);
}

} // namespace

std::vector<char> WavBytes(const std::vector<std::int16_t>& samples, int sampleRate)
{
    const std::uint32_t dataBytes = std::uint32_t(samples.size() * 2);
    std::vector<char> out;
    out.reserve(44 + dataBytes);
    Put(out, "RIFF");
    Put(out, 36 + dataBytes, 4);
    Put(out, "WAVE");
    Put(out, "fmt ");
    Put(out, 16, 4); // the PCM format block's size
    Put(out, 1, 2); // PCM
    Put(out, 1, 2); // mono
    Put(out, std::uint32_t(sampleRate), 4);
    Put(out, std::uint32_t(sampleRate) * 2, 4); // bytes a second
    Put(out, 2, 2); // bytes a frame
    Put(out, 16, 2); // bits a sample
    Put(out, "data");
    Put(out, dataBytes, 4);
    for (std::int16_t s : samples)
        Put(out, std::uint16_t(s), 2);
    return out;
}

bool WriteWav(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate)
{
    const std::vector<char> bytes = WavBytes(samples, sampleRate);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(file);
}
