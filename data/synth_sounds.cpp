// kv-synth-sounds FOLDER: writes the program's sound effects "Click.wav", "Error.wav" and
// "Theend.wav" into FOLDER. The build runs it to fill the program's folder.
#include "sound_synth.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kv-synth-sounds FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    struct Effect {
        const char* fileName;
        SoundSynth::Samples (*make)(int);
    };
    const Effect effects[] = {
        {"Click.wav", SoundSynth::MakeClick},
        {"Error.wav", SoundSynth::MakeError},
        {"Theend.wav", SoundSynth::MakeTheEnd},
    };
    for (const Effect& effect : effects) {
        const std::string path = folder + "/" + effect.fileName;
        if (!SoundSynth::WriteBytes(path, SoundSynth::EncodeWave(effect.make(SoundSynth::kSampleRate)))) {
            std::fprintf(stderr, "kv-synth-sounds: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
