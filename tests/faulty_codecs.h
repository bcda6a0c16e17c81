#pragma once
// Codec helpers started while a FaultyCodecs lives crash (or abort, or
// hang) inside LibRaw's, libheif's and libjxl's decoders (see
// faulty_codecs.cpp); this process itself is untouched, having loaded its
// libraries already.

#include <cstdlib>

namespace corvessa::test {

class FaultyCodecs {
public:
    explicit FaultyCodecs(const char* fault = "segv") {
        setenv("LD_PRELOAD", CORVESSA_FAULTY_CODECS, 1);
        setenv("CORVESSA_FAULT", fault, 1);
    }
    ~FaultyCodecs() {
        unsetenv("LD_PRELOAD");
        unsetenv("CORVESSA_FAULT");
    }
    FaultyCodecs(const FaultyCodecs&) = delete;
    FaultyCodecs& operator=(const FaultyCodecs&) = delete;
};

}  // namespace corvessa::test
