#pragma once
// libjpeg's failures and warnings as the JPEG decoder and encoder take
// them. No Qt.

#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>
#include <jerror.h>

#include "ground/error.h"

namespace corvessa {

// libjpeg reports fatal errors through error_exit, which must not return.
// We leave libjpeg with longjmp; the functions that call setjmp, and those
// they call while libjpeg may fail, own no C++ objects with destructors,
// so nothing is skipped on the way out. Their outcome travels back as a
// code and is turned into an exception only after libjpeg's frames are
// gone.
struct JpegErrorManager {
    jpeg_error_mgr pub;
    jmp_buf jump;
    bool endedEarly = false;  // libjpeg warned that the data ran out
};

inline void JpegErrorExit(j_common_ptr info) {
    longjmp(reinterpret_cast<JpegErrorManager*>(info->err)->jump, 1);
}

inline void JpegSilentMessage(j_common_ptr) {}  // warnings are not reported

// libjpeg's own allocations (a progressive photo's coefficients, the
// encoder's output) fail with a message number; say what it means.
inline CorvessaError JpegError(int code, const char* message = "") {
    if (code == JERR_OUT_OF_MEMORY) return NotEnoughMemory();
    return CorvessaError("JPEG error #" + std::to_string(code) + (*message ? std::string(": ") + message : ""));
}

}  // namespace corvessa
