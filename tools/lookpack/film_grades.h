#pragma once
// The Film looks: ten colour grades of the whole photo, each drawn as a
// function of a colour and written as a 3D colour table (.cube text) for
// the pack. They never paint anything onto the photo: curves, the balance
// of shadows and highlights, saturation and fade, so the subject stays
// itself and skin stays skin.

#include <array>
#include <string>
#include <vector>

namespace corvessa::lookpack {

// Points per axis of the shipped tables: enough for smooth grades to come
// out within a byte of the function everywhere.
inline constexpr int kGradeTableSize = 33;

// Grade `number` (1..10) of one colour, each channel 0..1, as R, G, B.
std::array<double, 3> FilmGrade(int number, std::array<double, 3> rgb);

// The .cube text of grade `number`: TITLE the look's name, LUT_3D_SIZE
// kGradeTableSize, red varying fastest.
std::string FilmGradeCube(int number);

struct PackGradeFile {
    int number;
    std::string relativePath;  // "film/3.cube"
};
// Every colour table of the pack, one for each grading look of the
// catalogue.
std::vector<PackGradeFile> PackGradeFiles();

}  // namespace corvessa::lookpack
