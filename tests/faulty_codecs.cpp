// A codec library's bug on demand: preloaded (LD_PRELOAD) into the codec
// helper, these stand in for LibRaw's, libheif's and libjxl's decoders and
// crash, abort or hang as CORVESSA_FAULT says ("segv", the default,
// "abort" or "hang"), so that tests can make every way a third-party
// decoder dies happen on an honest file.

#include <jxl/decode.h>
#include <libheif/heif.h>
#include <libraw/libraw.h>
#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace {

[[noreturn]] void Fail() {
    const char* fault = std::getenv("CORVESSA_FAULT");
    if (fault && std::strcmp(fault, "abort") == 0) std::abort();
    if (fault && std::strcmp(fault, "hang") == 0)
        for (;;) pause();
    raise(SIGSEGV);
    std::abort();
}

}  // namespace

extern "C" heif_error heif_decode_image(const heif_image_handle*, heif_image**, heif_colorspace, heif_chroma,
                                        const heif_decoding_options*) {
    Fail();
}

extern "C" JxlDecoderStatus JxlDecoderProcessInput(JxlDecoder*) { Fail(); }

int LibRaw::unpack() { Fail(); }
