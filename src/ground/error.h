#pragma once
// The one exception type of the program. Its text is what the user reads
// in the message box, so it is always one of the system's own messages.

#include <new>
#include <stdexcept>
#include <string>

namespace corvessa {

class CorvessaError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// `reason` says why in the user's words (the system's text for an errno,
// say); without one the message names only the file.
inline CorvessaError CannotOpenFile(const std::string& path, const std::string& reason = "") {
    return CorvessaError("Cannot open file " + path + (reason.empty() ? "" : ": " + reason));
}
inline CorvessaError CannotCreateFile(const std::string& path, const std::string& reason = "") {
    return CorvessaError("Cannot create file " + path + (reason.empty() ? "" : ": " + reason));
}
// A picture too large for the memory at hand. std::bad_alloc says nothing
// the user understands, so every pixel buffer reports this instead.
inline CorvessaError NotEnoughMemory() {
    return CorvessaError("Not enough memory for the picture");
}

// An encoder's working copies beside the picture would not fit:
// "Not enough memory to save as HEIC".
inline CorvessaError NotEnoughMemoryToSave(const std::string& format) {
    return CorvessaError("Not enough memory to save as " + format);
}

// The user's words for the exception being handled; call inside a catch.
inline std::string CurrentErrorText() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return NotEnoughMemory().what();
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unknown error";
    }
}

}  // namespace corvessa
