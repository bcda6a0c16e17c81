#pragma once
// Whole-file reading and safe writing, and finding the pictures that ship
// beside the program.

#include <cstdint>
#include <string>
#include <vector>

namespace corvessa {

// Throws "Cannot open file PATH" when the file cannot be read.
std::vector<uint8_t> ReadWholeFile(const std::string& path);

// Writes `bytes` to a temporary file beside `path` and renames it over
// `path` only once everything is on disk, so a failure leaves any existing
// file as it was and no partial file behind. Throws "Cannot create file
// PATH" when the file cannot be made and "Stream write error" when writing
// fails.
void WriteFileSafely(const std::string& path, const std::vector<uint8_t>& bytes);

// Resolves `relative` (components separated by '/') under `folder`,
// matching every folder and file name without regard to ASCII letter case.
// A component with no match is kept as spelled, so the result then names a
// missing file.
std::string FindPathNoCase(const std::string& folder, const std::string& relative);

// The overlay picture pic/<category>/<number>.ssl under the program folder
// `appDir` (which ends with a separator).
std::string PicturePath(const std::string& appDir, const std::string& category, const std::string& number);

}  // namespace corvessa
