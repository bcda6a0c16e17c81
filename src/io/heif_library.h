#pragma once
// libheif's objects as the HEIF decoder and encoder hold them, and the
// library's one-time start. No Qt.

#include <libheif/heif.h>

#include <memory>

namespace corvessa {
namespace heif {

struct ContextFree {
    void operator()(heif_context* c) const { heif_context_free(c); }
};
struct HandleRelease {
    void operator()(heif_image_handle* h) const { heif_image_handle_release(h); }
};
struct ImageRelease {
    void operator()(heif_image* i) const { heif_image_release(i); }
};
using Context = std::unique_ptr<heif_context, ContextFree>;
using Handle = std::unique_ptr<heif_image_handle, HandleRelease>;
using Image = std::unique_ptr<heif_image, ImageRelease>;

inline void InitHeif() {
    static const bool initialised = [] {
        heif_init(nullptr);
        return true;
    }();
    (void)initialised;
}

}  // namespace heif
}  // namespace corvessa
