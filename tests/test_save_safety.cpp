// A failed save must leave the file that was there before as it was, and
// no partial or temporary file behind.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "io/files.h"
#include "io/photo_files.h"
#include "routines/error.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

// A small file system mounted on a scratch folder for one test (needs
// root; the test is skipped elsewhere).
class SmallMount {
public:
    SmallMount(const std::string& folder, const char* options) : folder_(folder) {
        mounted_ = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, options) == 0;
    }
    void Remount(unsigned long flags, const char* options) {
        ::mount("tmpfs", folder_.c_str(), "tmpfs", MS_REMOUNT | flags, options);
    }
    ~SmallMount() {
        if (mounted_) ::umount(folder_.c_str());
    }
    bool Mounted() const { return mounted_; }

private:
    std::string folder_;
    bool mounted_ = false;
};

size_t FilesIn(const std::string& folder) {
    size_t n = 0;
    for (auto& e : std::filesystem::directory_iterator(folder)) n += e.is_regular_file();
    return n;
}

std::string ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const CorvessaError& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(SaveSafety, FullDiskReportsAWriteErrorAndKeepsTheOldFile) {
    TempDir dir;
    const std::string folder = dir.File("small");
    std::filesystem::create_directory(folder);
    SmallMount mount(folder, "size=64k");
    if (!mount.Mounted()) GTEST_SKIP() << "cannot mount a small file system here";
    const std::string target = folder + "/photo.jpg";
    WriteBytes(target, {1, 2, 3});
    // Random pixels compress badly: far more than 64 KiB of JPEG.
    const TBitmap big = RandomBitmap(400, 300, 1);
    EXPECT_EQ(ErrorOf([&] { WriteJpegFile(big, target); }), "Stream write error");
    EXPECT_EQ(ErrorOf([&] { WriteBmpFile(big, target); }), "Stream write error");
    EXPECT_EQ(ReadWholeFile(target), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(FilesIn(folder), 1u);
}

TEST(SaveSafety, ReadOnlyFolderCannotBeWrittenAndKeepsTheOldFile) {
    TempDir dir;
    const std::string folder = dir.File("readonly");
    std::filesystem::create_directory(folder);
    const std::string target = folder + "/photo.bmp";
    std::unique_ptr<SmallMount> mount;
    if (geteuid() == 0) {
        // Root writes through permission bits: make the folder a read-only mount.
        mount = std::make_unique<SmallMount>(folder, "size=1m");
        if (!mount->Mounted()) GTEST_SKIP() << "cannot mount a file system here";
        WriteBytes(target, {4, 5, 6});
        mount->Remount(MS_RDONLY, "size=1m");
    } else {
        WriteBytes(target, {4, 5, 6});
        chmod(folder.c_str(), 0555);
    }
    EXPECT_EQ(ErrorOf([&] { WriteBmpFile(RandomBitmap(8, 8, 2), target); }), "Cannot create file " + target);
    EXPECT_EQ(ReadWholeFile(target), (std::vector<uint8_t>{4, 5, 6}));
    EXPECT_EQ(FilesIn(folder), 1u);
    chmod(folder.c_str(), 0755);
}
