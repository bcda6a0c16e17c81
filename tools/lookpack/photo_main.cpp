// corvessa-lookpack-photo WIDTH HEIGHT OUTPUT
//
// Writes the trunk photo (a nuthatch on a tree, drawn by the generator) at
// WIDTH x HEIGHT: a second photo besides the sample to judge looks on, up
// to 24 MP for crops at 100 %. The format follows OUTPUT's extension.

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "io/photo_files.h"
#include "lookpack/looks.h"

int main(int argc, char** argv) {
    const int w = argc == 4 ? std::atoi(argv[1]) : 0, h = argc == 4 ? std::atoi(argv[2]) : 0;
    if (w < 1 || h < 1 || w > 20000 || h > 20000) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT OUTPUT\n", argv[0]);
        return 2;
    }
    try {
        corvessa::WritePictureFile(corvessa::lookpack::RenderTrunkPhoto(w, h), argv[3]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
