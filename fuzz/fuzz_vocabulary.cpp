// The games' vocabulary loading on any file, and the list of vocabularies with a file named by the
// input: the words loaded, each drawn lower-cased as the games draw them.
#include "custom_game_event.h"
#include "file.h"
#include "fuzz_support.h"

#include <QApplication>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    Platform::Install(std::make_unique<fuzz::SilentDialogs>());
    fuzz::EnterScratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteFile("input.vcb", data, size);
    TCustomGameEvent game("Event=Tris;0;Input.vcb");
    game.Vocabulary = std::make_unique<std::vector<std::string>>();
    game.LoadVocabulary();
    const std::size_t count = game.Vocabulary->size();
    fuzz::Check(count <= size, "no more words than bytes");
    for (const std::string& w : *game.Vocabulary)
        fuzz::Check(!w.empty() && w.size() <= 255, "words are short and not empty");
    for (std::size_t i = 0; i < count; ++i) {
        std::string word;
        game.NextWord(i % 2 == 0, word);
        fuzz::Check(!word.empty() && word.size() <= 255, "a word to show");
    }

    // A file named by the first bytes of the input, as a player may name one.
    std::string name;
    for (std::size_t i = 0; i < size && name.size() < 40; ++i)
        if (data[i] != '/' && data[i] != '\0')
            name.push_back(static_cast<char>(data[i]));
    if (!name.empty()) {
        fuzz::WriteFile(name + ".vcb", data, 0);
        for (const std::string& title : TFile::ListFileTitles("*.vcb"))
            fuzz::Check(!title.empty() || name[0] == '.', "titles of listed files");
        std::remove((name + ".vcb").c_str());
    }
    return 0;
}
