#pragma once
// libpng's failures as the PNG decoder and encoder take them. No Qt.

#include <png.h>

#include <csetjmp>
#include <cstdio>

namespace corvessa {

// libpng reports fatal errors through its error function, which must not
// return. As with libjpeg we leave with longjmp from functions that own no
// C++ objects with destructors; the outcome travels back in a plain struct
// and becomes an exception once libpng's frames are gone.
struct PngFailure {
    jmp_buf jump;
    char message[160] = "";
};

inline void PngError(png_structp png, png_const_charp message) {
    auto* failure = static_cast<PngFailure*>(png_get_error_ptr(png));
    std::snprintf(failure->message, sizeof failure->message, "%s", message);
    longjmp(failure->jump, 1);
}

inline void PngWarning(png_structp, png_const_charp) {}  // warnings are not reported

}  // namespace corvessa
