#pragma once
// Pieces the photo looks share and nobody else needs: asking for a colour,
// loading a picture, the source/destination check, and blend passes
// against one solid colour through per-channel tables.

#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>
#include <stdexcept>
#include <string>

#include "ground/bitmap.h"
#include "ground/blend_rows.h"
#include "ground/parallel.h"
#include "looks/render_context.h"

namespace corvessa {

// Opens the colour chooser. A context without a chooser answers as if the
// user had cancelled.
inline std::optional<Rgb> AskForColor(const RenderContext& ctx) {
    if (ctx.colorChooser == nullptr) return std::nullopt;
    return ctx.colorChooser->ChooseColor();
}

// The decoded picture `name` from the context's picture source.
inline SharedPicture LoadPicture(const RenderContext& ctx, PictureName name) {
    if (ctx.pictures == nullptr) throw std::logic_error("no picture source in the render context");
    return ctx.pictures->Load(name);
}

// The picture `name` for a routine that uses it only stretched onto `photo`
// by nearest neighbour (PictureSource::LoadStretched).
inline SharedPicture LoadPictureStretchedOnto(const RenderContext& ctx, PictureName name, const TBitmap& photo) {
    if (ctx.pictures == nullptr) throw std::logic_error("no picture source in the render context");
    return ctx.pictures->LoadStretched(name, photo.Width(), photo.Height());
}

// One row's bytes (blue, green, red per pixel) of a solid colour, to mix
// or blend against where a filled scratch bitmap would cost a full pass.
inline std::vector<uint8_t> SolidRow(Rgb colour, size_t rowBytes) {
    std::vector<uint8_t> row(rowBytes);
    for (size_t i = 0; i + 2 < rowBytes; i += 3) {
        row[i] = colour.b;
        row[i + 1] = colour.g;
        row[i + 2] = colour.r;
    }
    return row;
}

// The routines read the source while they write the destination, so one
// bitmap in both places would be read half rewritten.
inline void RequireDifferent(const TBitmap& source, const TBitmap& dest, const char* routine) {
    if (&source == &dest) throw std::invalid_argument(std::string(routine) + ": source and destination are the same bitmap");
}

// One lookup table per channel (blue, green, red as stored): a blend with a
// constant second argument, or any other byte map, applied pixel by pixel.
struct ChannelTables {
    uint8_t table[3][256];

    // table = F(v, colour channel): what a blend pass with a bitmap filled
    // entirely with `colour` as its second argument gives.
    template <BlendFn F>
    static ChannelTables AgainstColor(Rgb colour) {
        ChannelTables t;
        const int channel[3] = {colour.b, colour.g, colour.r};
        for (int c = 0; c < 3; ++c)
            for (int v = 0; v < 256; ++v) t.table[c][v] = uint8_t(F(v, channel[c]));
        return t;
    }

    // out may be in.
    void Apply(const uint8_t* in, uint8_t* out, int pixels) const {
        for (int x = 0; x < pixels; ++x) {
            out[3 * x] = table[0][in[3 * x]];
            out[3 * x + 1] = table[1][in[3 * x + 1]];
            out[3 * x + 2] = table[2][in[3 * x + 2]];
        }
    }

    // Every row of `source` through the tables into `target` (same size;
    // may be the same bitmap).
    void Apply(const TBitmap& source, TBitmap& target) const {
        const int width = source.Width();
        ForEachRow(source.Height(), source.RowBytes(),
                   [&](int y) { Apply(source.Row(y), target.Row(y), width); });
    }
};

// ChannelTables for grey rows (the three bytes of every pixel equal): one
// lookup per pixel instead of three, written as one 4-byte store that the
// next pixel's store overlaps.
class GreyRowTables {
public:
    explicit GreyRowTables(const ChannelTables& tables) {
        for (int v = 0; v < 256; ++v) {
            for (int c = 0; c < 3; ++c) packed_[v][c] = tables.table[c][v];
            packed_[v][3] = 0;
        }
    }

    // out may be grey.
    void Apply(const uint8_t* grey, uint8_t* out, int pixels) const {
        if (pixels <= 0) return;
        uint8_t g = grey[0];
        for (int x = 0; x + 1 < pixels; ++x) {
            const uint8_t next = grey[3 * x + 3];  // read before the store covers it
            std::memcpy(out + 3 * x, packed_[g], 4);
            g = next;
        }
        std::memcpy(out + 3 * (pixels - 1), packed_[g], 3);
    }

private:
    uint8_t packed_[256][4];
};

}  // namespace corvessa
