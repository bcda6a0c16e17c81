#include "io/zlib_parts.h"

#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <new>
#include <vector>

#include <omp.h>

#include "ground/error.h"
#include "ground/parallel.h"

namespace corvessa {

namespace {

constexpr size_t kWindow = 32768;

// The two bytes zlib's own deflate starts its stream with at `level`.
void AppendHeader(std::vector<uint8_t>& out, int level, int strategy) {
    const unsigned levelFlags = strategy >= Z_HUFFMAN_ONLY || level < 2 ? 0 : level < 6 ? 1 : level == 6 ? 2 : 3;
    unsigned header = (0x78u << 8) | (levelFlags << 6);
    header += 31 - header % 31;
    out.push_back(uint8_t(header >> 8));
    out.push_back(uint8_t(header));
}

// zlib's working memory for one part at a time, taken from a block the
// calling thread made: a row thread that allocated would make the
// allocator an arena of its own, 64 MB of address space that stays.
struct Scratch {
    std::vector<uint8_t> bytes;  // the part as the maker makes it
    std::vector<uint8_t> zlib;   // zlib's state, handed out from the start
    size_t used = 0;
};
constexpr size_t kZlibStateBytes = size_t(512) << 10;

voidpf TakeFromScratch(voidpf opaque, uInt items, uInt size) {
    auto* scratch = static_cast<Scratch*>(opaque);
    const size_t bytes = (size_t(items) * size + 63) & ~size_t(63);
    if (scratch->zlib.size() - scratch->used < bytes) return Z_NULL;
    void* block = scratch->zlib.data() + scratch->used;
    scratch->used += bytes;
    return block;
}
void GiveBackToScratch(voidpf, voidpf) {}

struct Deflater {
    z_stream stream{};
    bool ready = false;
    explicit Deflater(Scratch& scratch) {
        scratch.used = 0;
        stream.zalloc = TakeFromScratch;
        stream.zfree = GiveBackToScratch;
        stream.opaque = &scratch;
    }
    ~Deflater() {
        if (ready) deflateEnd(&stream);
    }
};

// Deflates `size` bytes at `body` onto the end of `out`, primed with the
// `leadSize` bytes before them, ending with a sync flush or, for the last
// part, the final block. False when zlib has no memory.
bool DeflatePart(const uint8_t* body, size_t size, size_t leadSize, bool last, int level, int strategy,
                 Scratch& scratch, std::vector<uint8_t>& out) {
    Deflater z(scratch);
    if (deflateInit2(&z.stream, level, Z_DEFLATED, -15, 8, strategy) != Z_OK) return false;
    z.ready = true;
    const size_t primed = std::min(leadSize, kWindow);
    if (primed && deflateSetDictionary(&z.stream, body - primed, uInt(primed)) != Z_OK) return false;
    z.stream.next_in = const_cast<uint8_t*>(body);
    z.stream.avail_in = uInt(size);
    // Room for the worst case at once: a photo's filtered rows shrink by
    // a fifth or so, and a buffer grown step by step would be copied over
    // and over.
    size_t used = out.size();
    out.resize(used + deflateBound(&z.stream, uLong(size)) + 16);
    const int flush = last ? Z_FINISH : Z_SYNC_FLUSH;
    while (true) {
        z.stream.next_out = out.data() + used;
        z.stream.avail_out = uInt(std::min<size_t>(out.size() - used, UINT32_MAX));
        const int status = deflate(&z.stream, flush);
        used = out.size() - z.stream.avail_out;
        if (status == Z_STREAM_END) break;
        // A sync flush is done once it leaves room unused.
        if (!last && z.stream.avail_out != 0 && (status == Z_OK || status == Z_BUF_ERROR)) break;
        if (status != Z_OK && status != Z_BUF_ERROR) return false;
        out.resize(out.size() + std::max<size_t>(out.size() / 2, 4096));
    }
    out.resize(used);
    return true;
}

}  // namespace

size_t ZlibPieces::Size() const {
    size_t total = 0;
    for (const std::vector<uint8_t>& piece : pieces) total += piece.size();
    return total;
}

ZlibPieces CompressInParts(int parts, size_t bytesPerPart, int level, int strategy, const ZlibPartMaker& make) {
    ZlibPieces result;
    if (parts < 1) throw CorvessaError("Stream write error: nothing to compress");
    std::vector<uLong> checksums(size_t(parts), 1);
    std::vector<size_t> lengths(checksums.size(), 0);
    try {
        result.pieces.resize(checksums.size());
    } catch (const std::bad_alloc&) {
        throw NotEnoughMemory();
    }
    // Every buffer the row threads fill is made here, on the calling
    // thread (see Scratch): a part's output with room for its worst case,
    // and each thread's part and zlib state with room to spare.
    const size_t worstPart = size_t(compressBound(uLong(bytesPerPart))) + 64;
    std::vector<Scratch> scratches;
    try {
        for (std::vector<uint8_t>& piece : result.pieces) piece.reserve(worstPart);
        scratches.resize(size_t(std::max(1, omp_get_max_threads())));
        for (Scratch& scratch : scratches) {
            scratch.bytes.reserve(bytesPerPart + bytesPerPart / 4 + (size_t(1) << 20));
            scratch.zlib.resize(kZlibStateBytes);
        }
    } catch (const std::bad_alloc&) {
        throw NotEnoughMemory();
    }
    std::atomic<bool> failed{false};
    // Nothing may be thrown inside the row threads: a failure is noted and
    // thrown once they are done.
    ForEachRowBand(parts, bytesPerPart, [&](int begin, int end) {
        try {
            Scratch& scratch = scratches[size_t(omp_get_thread_num()) % scratches.size()];
            std::vector<uint8_t>& bytes = scratch.bytes;
            for (int part = begin; part < end && !failed.load(); ++part) {
                bytes.clear();
                const size_t lead = make(part, bytes);
                const uint8_t* body = bytes.data() + lead;
                const size_t size = bytes.size() - lead;
                std::vector<uint8_t>& out = result.pieces[size_t(part)];
                if (part == 0) AppendHeader(out, level, strategy);
                if (!DeflatePart(body, size, lead, part == parts - 1, level, strategy, scratch, out)) failed = true;
                checksums[size_t(part)] = adler32(1, body, uInt(size));
                lengths[size_t(part)] = size;
            }
        } catch (...) {
            failed = true;
        }
    });
    if (failed) throw NotEnoughMemory();
    uLong adler = checksums[0];
    for (size_t part = 1; part < checksums.size(); ++part)
        adler = adler32_combine(adler, checksums[part], z_off_t(lengths[part]));
    std::vector<uint8_t>& last = result.pieces.back();
    for (int shift = 24; shift >= 0; shift -= 8) last.push_back(uint8_t(adler >> shift));
    return result;
}

}  // namespace corvessa
