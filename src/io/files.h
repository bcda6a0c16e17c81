#pragma once
// Whole-file reading and safe writing, and finding the pictures that ship
// beside the program.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace corvessa {

// Throws "Cannot open file PATH: REASON" when the file cannot be read or is
// not a regular file (a FIFO is refused at once, never waited on).
std::vector<uint8_t> ReadWholeFile(const std::string& path);
// Sees the first bytes of a file and its size, and throws to refuse it.
using FileHeadCheck = std::function<void(const uint8_t* head, size_t headSize, uint64_t fileSize)>;
// ReadWholeFile, with a file longer than `headBytes` shown to `checkHead`
// (its first `headBytes` bytes) before memory is taken for the rest or the
// rest is read: a huge file whose start already says it cannot be read
// costs no more than its first bytes.
std::vector<uint8_t> ReadWholeFile(const std::string& path, size_t headBytes, const FileHeadCheck& checkHead);

// Writes `bytes` to a temporary file beside `path` and renames it over
// `path` only once everything is on disk, so the target is always either
// the old file or the new one, and a failure or a kill leaves nothing
// behind (the temporary file has no name, or a hidden one that the next
// save into the folder removes). The new file keeps the permission bits,
// and where allowed the owner and group, of the file it replaces.
//
// With kFollowLikeTheKernel a symbolic link stays a link and the file it
// points to is written, where the kernel would follow it: a link of
// another user in a shared sticky folder (/tmp, say) is refused, as is a
// loop of links. With kNever a link at `path` is refused, and one planted
// there after that check is replaced rather than followed, so nothing
// outside the folder changes.
//
// Throws "Cannot create file PATH: REASON" when the file cannot be made
// and "Stream write error: PATH: REASON" when writing fails.
enum class LinkPolicy { kFollowLikeTheKernel, kNever };
void WriteFileSafely(const std::string& path, const std::vector<uint8_t>& bytes,
                     LinkPolicy links = LinkPolicy::kFollowLikeTheKernel);

// Resolves `relative` (components separated by '/') under `folder`,
// matching every folder and file name without regard to ASCII letter case.
// A component with no match is kept as spelled, so the result then names a
// missing file.
std::string FindPathNoCase(const std::string& folder, const std::string& relative);

// The user's own files (the looks folder, the settings) are written only
// through symbolic links nobody else controls: run as root with another
// user's HOME, a link of theirs could send a write to any file.
//
// Whether a program running as `user` follows a symbolic link owned by
// `linkOwner` in a folder owned by `folderOwner`: only where both are the
// user's own or the system's (root's, who could write anywhere anyway).
bool MayFollowLink(uint32_t linkOwner, uint32_t folderOwner, uint32_t user);
// Why writing at `path` would pass a symbolic link MayFollowLink refuses
// for the running user ("/home/ann/.config is a symbolic link of another
// user"), every link on the way looked at; "" when none does. Parts that do
// not exist yet are made as folders and files, never followed.
std::string ForeignLinkOn(const std::string& path);

}  // namespace corvessa
