// zaviko_soundgen FOLDER: writes every sound of the game into FOLDER as
// NAME.wav. The build runs it; the files are compiled into the program.
#include "tools/sound_gen/sound_synth.h"
#include "tools/sound_gen/wav_writer.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    for (const SoundSynth::TSoundDesign& design : SoundSynth::Designs()) {
        const std::string path = folder + "/" + design.name + ".wav";
        if (!WriteWav(path, design.make(), SoundSynth::SampleRate)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
