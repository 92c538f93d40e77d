// Adds one line, dated 1 March 2026, to the list of a folder as a finished game does, for the
// tests that need writers in processes of their own: listwriter FOLDER SCORE NAME [pause]. Says
// "loaded" once it has read the list; with pause, only "paused" when the new list is written but
// not yet in place, then waits for its input to end. The exit status is the ListSave result.
#include "ScoreList.h"

#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char **argv)
{
    if (argc < 4)
        return 100;
    ScoreList list;
    LoadScoreList(list, argv[1]);
    ListWriteOptions options;
    if (argc > 4) {
        options.beforeRename = [] {
            std::cout << "paused" << std::endl;
            std::string go;
            std::getline(std::cin, go);
        };
    } else {
        std::cout << "loaded" << std::endl;
    }
    const auto score = static_cast<std::int16_t>(std::atoi(argv[2]));
    return static_cast<int>(
        AddScoreLine(list, BuildScoreLine(argv[3], score, {1, 3, 2026}), argv[1], options));
}
