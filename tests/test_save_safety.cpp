// A failed save must leave the file that was there before as it was, and
// no partial or temporary file behind.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "io/files.h"
#include "io/photo_files.h"
#include "ground/error.h"
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
    EXPECT_EQ(ErrorOf([&] { WriteJpegFile(big, target); }), "Stream write error: " + target + ": the disk is full");
    EXPECT_EQ(ErrorOf([&] { WriteBmpFile(big, target); }), "Stream write error: " + target + ": the disk is full");
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
    EXPECT_EQ(ErrorOf([&] { WriteBmpFile(RandomBitmap(8, 8, 2), target); }), "Cannot create file " + target +
                  (geteuid() == 0 ? ": Read-only file system" : ": Permission denied"));
    EXPECT_EQ(ReadWholeFile(target), (std::vector<uint8_t>{4, 5, 6}));
    EXPECT_EQ(FilesIn(folder), 1u);
    chmod(folder.c_str(), 0755);
}

TEST(SaveSafety, ReplacingAFileKeepsItsPermissionsAndALinkStaysALink) {
    TempDir dir;
    const std::string priv = dir.File("private.jpg");
    WriteBytes(priv, {1});
    chmod(priv.c_str(), 0600);
    WriteJpegFile(RandomBitmap(4, 4, 1), priv);
    struct stat info;
    ASSERT_EQ(stat(priv.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    EXPECT_EQ(info.st_uid, geteuid());

    // A relative link, and a link to a file that does not exist yet.
    std::filesystem::create_directory(dir.File("real"));
    WriteBytes(dir.File("real/photo.bmp"), {2});
    std::filesystem::create_symlink("real/photo.bmp", dir.File("link.bmp"));
    std::filesystem::create_symlink("real/new.bmp", dir.File("dangling.bmp"));
    const TBitmap picture = RandomBitmap(5, 3, 2);
    WriteBmpFile(picture, dir.File("link.bmp"));
    WriteBmpFile(picture, dir.File("dangling.bmp"));
    for (const char* link : {"link.bmp", "dangling.bmp"})
        EXPECT_TRUE(std::filesystem::is_symlink(dir.File(link))) << link;
    EXPECT_TRUE(SamePixels(ReadBmpFile(dir.File("real/photo.bmp")), picture));
    EXPECT_TRUE(SamePixels(ReadBmpFile(dir.File("real/new.bmp")), picture));
    EXPECT_EQ(FilesIn(dir.File("real")), 2u);
}

namespace {

size_t HiddenFilesIn(const std::string& folder) {
    size_t n = 0;
    for (auto& e : std::filesystem::directory_iterator(folder)) n += e.path().filename().string()[0] == '.';
    return n;
}

}  // namespace

TEST(SaveSafety, AKilledSaveLeavesNothingTheNextSaveDoesNotRemove) {
    TempDir dir;
    const std::string target = dir.File("photo.bmp");
    const TBitmap big = RandomBitmap(2000, 1500, 3);  // 9 MB: the kill lands while it is written
    for (int delayMs : {0, 2, 5, 10, 20}) {
        const pid_t child = fork();
        if (child == 0) {
            for (;;) WriteBmpFile(big, target);
        }
        usleep(useconds_t(delayMs) * 1000);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        // The target is whole if it is there at all.
        if (std::filesystem::exists(target)) {
            EXPECT_EQ(ReadBmpFile(target).Width(), 2000);
        }
    }
    // What a save killed between naming its file and moving it into place
    // would leave, and a save of another process still writing.
    const std::string dead = dir.File(".photo.bmp.99999-0.corvessa-part");
    const std::string alive = dir.File(".other.bmp.4242-0.corvessa-part");
    WriteBytes(dead, {1, 2, 3});
    WriteBytes(alive, {4, 5, 6});
    const int writer = open(alive.c_str(), O_RDONLY);
    ASSERT_EQ(flock(writer, LOCK_EX), 0);
    WriteBmpFile(RandomBitmap(2, 2, 4), dir.File("another.bmp"));
    EXPECT_FALSE(std::filesystem::exists(dead));
    EXPECT_TRUE(std::filesystem::exists(alive));
    close(writer);
    std::filesystem::remove(alive);
    EXPECT_EQ(HiddenFilesIn(dir.Path()), 0u);
}

// Which links a save goes through: those the kernel would follow for us
// (in a shared sticky folder only our own and the folder owner's), never a
// loop, and none at all where the caller says so.
TEST(SaveSafety, ASaveFollowsOnlyTheLinksTheKernelWould) {
    constexpr uid_t kOtherUser = 54321;  // any id but ours
    const bool root = geteuid() == 0;
    struct Case {
        const char* what;
        uid_t folderOwner, linkOwner;  // lchown'ed there, so root only
        LinkPolicy links;
        bool followed;
        const char* reason;
    };
    const uid_t me = geteuid();
    const Case cases[] = {
        {"our own link in a shared folder", me, me, LinkPolicy::kFollowLikeTheKernel, true, ""},
        {"another user's link in our shared folder", me, kOtherUser, LinkPolicy::kFollowLikeTheKernel, false,
         "it is a symbolic link of another user in a shared folder"},
        {"the folder owner's link in their shared folder", kOtherUser, kOtherUser, LinkPolicy::kFollowLikeTheKernel,
         true, ""},
        {"our own link where links are never followed", me, me, LinkPolicy::kNever, false,
         "it is a symbolic link"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if ((c.folderOwner != me || c.linkOwner != me) && !root) {
            std::printf("skipped \"%s\": making another user's link needs root\n", c.what);
            continue;
        }
        TempDir dir;
        const std::string shared = dir.File("shared");
        std::filesystem::create_directory(shared);
        ASSERT_EQ(chmod(shared.c_str(), 01777), 0);
        ASSERT_EQ(chown(shared.c_str(), c.folderOwner, c.folderOwner), 0);
        const std::string victim = dir.File("notes.txt");
        WriteBytes(victim, {'n', 'o', 't', 'e', 's'});
        const std::string link = shared + "/out.jpg";
        std::filesystem::create_symlink(victim, link);
        ASSERT_EQ(lchown(link.c_str(), c.linkOwner, c.linkOwner), 0);

        const std::string error = ErrorOf([&] { WriteFileSafely(link, {1, 2, 3}, c.links); });
        EXPECT_EQ(error, c.followed ? "(no error)" : "Cannot create file " + link + ": " + c.reason);
        const std::vector<uint8_t> expected = c.followed ? std::vector<uint8_t>{1, 2, 3} : std::vector<uint8_t>{'n', 'o', 't', 'e', 's'};
        EXPECT_EQ(ReadWholeFile(victim), expected);
        EXPECT_TRUE(std::filesystem::is_symlink(link));
    }
}

TEST(SaveSafety, ALoopOfLinksIsAnErrorAndStaysALoop) {
    TempDir dir;
    std::filesystem::create_symlink("b.jpg", dir.File("a.jpg"));
    std::filesystem::create_symlink("a.jpg", dir.File("b.jpg"));
    EXPECT_EQ(ErrorOf([&] { WriteJpegFile(RandomBitmap(4, 4, 1), dir.File("a.jpg")); }),
              "Cannot create file " + dir.File("a.jpg") + ": Too many levels of symbolic links");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("a.jpg")));
    const auto entries = std::distance(std::filesystem::directory_iterator(dir.Path()), {});
    EXPECT_EQ(entries, 2);  // the two links, and no temporary file
}
