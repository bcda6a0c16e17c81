#pragma once
// What the routine tests share: a program folder with a pic folder of
// small overlay pictures written on the spot, and a colour chooser with
// scripted answers.

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <optional>
#include <string>

#include "io/jpeg_codec.h"
#include "io/picture_source.h"
#include "looks/render_context.h"
#include "test_support.h"

namespace corvessa::test {

// A program folder whose pic/<folder>/<name>.ssl files the test writes.
class PicFolder {
public:
    // Ends with a separator, as the program folder does.
    std::string AppDir() const { return dir_.Path() + "/"; }
    // The pictures of the folder, as the looks read them.
    const PictureSource& Pictures() const { return pictures_; }

    // Writes `picture` as JPEG with its first 16 bytes scrambled: the loader
    // must put the JFIF start back itself.
    void Write(const std::string& folder, const std::string& name, const TBitmap& picture) const {
        std::vector<uint8_t> bytes = EncodeJpeg(picture);
        for (int i = 0; i < 16; ++i) bytes[i] = uint8_t(0xA5 ^ i);
        WriteRaw(folder, name, bytes);
    }
    void WriteRaw(const std::string& folder, const std::string& name, const std::vector<uint8_t>& bytes) const {
        std::filesystem::create_directories(dir_.Path() + "/pic/" + folder);
        WriteBytes(dir_.Path() + "/pic/" + folder + "/" + name + ".ssl", bytes);
    }

private:
    TempDir dir_;
    FolderPictures pictures_{dir_.Path() + "/pic"};
};

// Answers the colour requests from a script; a request beyond the script
// fails the test.
class ScriptedChooser : public ColorChooser {
public:
    ScriptedChooser() = default;
    explicit ScriptedChooser(std::deque<std::optional<Rgb>> answers) : answers_(std::move(answers)) {}
    std::optional<Rgb> ChooseColor() override {
        ++asked;
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected colour request";
            return std::nullopt;
        }
        std::optional<Rgb> answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    int asked = 0;

private:
    std::deque<std::optional<Rgb>> answers_;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kRed{255, 0, 0};

// Every pixel of `b` is `colour`.
inline bool AllPixels(const TBitmap& b, Rgb colour) {
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (!(PixelAt(b, x, y) == colour)) return false;
    return true;
}

// `f` applied to every byte of `b`.
template <class F>
TBitmap MapBytes(const TBitmap& b, F f) {
    TBitmap out(b.Width(), b.Height());
    for (size_t i = 0; i < b.ByteCount(); ++i) out.Data()[i] = uint8_t(f(b.Data()[i]));
    return out;
}

}  // namespace corvessa::test

namespace corvessa {
inline std::ostream& operator<<(std::ostream& os, const Rgb& c) {
    return os << "(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ")";
}
}  // namespace corvessa
