#pragma once
// A bitmap several holders share without copies of their own: the window's
// working photo, its undo step, the last render and the views that show
// them often hold the same pixels. Reading costs nothing; the first write
// through a holder that shares its pixels gives it a copy of its own (copy
// on write), so a write never shows through another holder.
//
// Each holder keeps its own fill colour, as a bitmap copied with CopyFrom
// does: sharing another holder's pixels leaves it as it was.

#include <memory>

#include "ground/bitmap.h"

namespace corvessa {

class SharedBitmap {
public:
    SharedBitmap() = default;
    explicit SharedBitmap(TBitmap&& pixels) { Adopt(std::move(pixels)); }

    const TBitmap& Read() const { return pixels_ ? *pixels_ : Empty(); }
    // The pixels to be written, this holder's alone.
    TBitmap& Write();
    // A bitmap of this holder's alone to be rewritten whole: nothing is
    // copied into it (its pixels are undefined until written).
    TBitmap& Rewrite();

    // The pixels as they are now, for a reader that must keep them (a
    // render running from them, a view showing them) while this holder
    // moves on.
    std::shared_ptr<const TBitmap> Snapshot() const { return pixels_ ? pixels_ : std::make_shared<TBitmap>(); }
    // Holds the same pixels as `other` from now on.
    void ShareWith(const SharedBitmap& other) { pixels_ = other.pixels_; }
    void ShareWith(std::shared_ptr<const TBitmap> pixels) {
        pixels_ = std::const_pointer_cast<TBitmap>(std::move(pixels));
    }
    // Takes over `pixels` (a render's result, a decoded photo) with their
    // fill colour.
    void Adopt(TBitmap&& pixels);
    void Clear() { pixels_.reset(); }

    // Whether another holder holds the same pixels.
    bool Shared() const { return pixels_ && pixels_.use_count() > 1; }
    bool SamePixelsAs(const SharedBitmap& other) const { return pixels_ && pixels_ == other.pixels_; }

    Rgb FillColor() const { return fill_; }
    void SetFillColor(Rgb colour) { fill_ = colour; }

private:
    static const TBitmap& Empty();

    // Never written while another holder holds it: every write goes through
    // Write or Rewrite, which make it this holder's alone first.
    std::shared_ptr<TBitmap> pixels_;
    Rgb fill_ = kWhite;
};

}  // namespace corvessa
