// Writes the example projects into the folder given: make_examples FOLDER.
// The build runs it to fill the program folder's "Examples".
#include <cstdio>
#include <exception>

#include "editor/ExampleProjects.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    try {
        for (const std::string& file : vx::WriteExampleProjects(argv[1]))
            std::printf("%s\n", file.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_examples: %s\n", e.what());
        return 1;
    }
    return 0;
}
