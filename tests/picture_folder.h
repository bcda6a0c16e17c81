#pragma once
// A program folder with a generated pic/ folder: every overlay picture the
// catalogue names, as small .ssl files (JPEG streams whose first 16 bytes
// are scrambled, as in the shipped pictures). Used by the catalogue tests,
// the command-line tests and the benchmarks.

#include <string>
#include <vector>

namespace corvessa::test {

struct PictureFolderEntry {
    std::string folder;  // as spelled on disk: in lower case, e.g. "lighta", "line"
    int count;           // pictures 1.ssl .. count.ssl
};

// The folders the catalogue's recipes read.
std::vector<PictureFolderEntry> CataloguePictureFolders();

// Writes appDir/pic/<folder>/<n>.ssl for every entry of
// CataloguePictureFolders(), and a small colour table <folder>/<n>.cube for
// every grading look. Each picture differs from every other and
// mixes dark and light areas; its size varies around `side` pixels so that
// stretching to the photo is exercised.
void MakePictureFolder(const std::string& appDir, int side = 16);
// The same with pictures of about width x height pixels (the benchmarks use
// the shipped size, 1600 x 1200).
void MakePictureFolder(const std::string& appDir, int width, int height);

}  // namespace corvessa::test
