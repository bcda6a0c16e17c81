// corvessa-codec: reads or writes one picture for the window or
// corvessa-render (see io/codec_helper.h), in a process of its own so that
// a codec that crashes takes only this process with it. Not for people to
// run: the request comes on descriptor 3, the reply goes to descriptor 4,
// the pixels it decodes lie in the memory file on descriptor 5.

#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QtGlobal>
#include <cstdlib>
#include <string>
#include <string_view>

#include "io/codec_helper.h"

// AddressSanitizer reserves terabytes of address space for its shadow at
// start: a helper built with it cannot run under an address-space limit.
#if defined(__SANITIZE_ADDRESS__)
#define CORVESSA_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CORVESSA_ADDRESS_SANITIZER 1
#endif
#endif

int main(int argc, char** argv) {
    unsigned long long addressSpace = 0;
    long long parent = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view option = argv[i];
        if (option == "--address-space") addressSpace = std::strtoull(argv[i + 1], nullptr, 10);
        if (option == "--parent") parent = std::strtoll(argv[i + 1], nullptr, 10);
    }
    // Ends with the program that asked, even when that one is killed.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (parent <= 0 || getppid() != pid_t(parent)) return 125;
#ifndef CORVESSA_ADDRESS_SANITIZER
    if (addressSpace > 0) {
        const rlimit limit{addressSpace, addressSpace};
        setrlimit(RLIMIT_AS, &limit);
    }
#endif
    // Qt's readers say what they refuse on standard error; the reply says
    // it to the user instead.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return corvessa::ServeCodecHelper(3, 4, 5);
}
