#include "batch/batch.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <new>
#include <set>
#include <thread>
#include <unordered_map>
#include <unordered_set>

#include <omp.h>

#include "ground/error.h"
#include "io/photo_metadata.h"

namespace corvessa {
namespace batch {

namespace fs = std::filesystem;

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool EndsWithNoCase(const std::string& text, const std::string& ending) {
    if (text.size() < ending.size()) return false;
    return std::equal(ending.begin(), ending.end(), text.end() - std::ptrdiff_t(ending.size()),
                      [](char a, char b) { return Lower(a) == Lower(b); });
}

// A file as the system knows it, whatever name reaches it.
struct FileId {
    dev_t device;
    ino_t inode;
    friend bool operator<(const FileId& a, const FileId& b) {
        return a.device != b.device ? a.device < b.device : a.inode < b.inode;
    }
};

std::optional<FileId> IdOf(const std::string& path) {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return FileId{info.st_dev, info.st_ino};
}

std::string Key(const std::string& path) { return fs::absolute(fs::path(path)).lexically_normal().string(); }

bool IsRegularFile(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The length of the well-formed UTF-8 sequence at text[i], 0 for a byte
// that begins none: no overlong forms, surrogates or code points past
// U+10FFFF.
size_t Utf8Length(std::string_view text, size_t i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) return 1;
    const size_t length = c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    if (length == 0 || i + length > text.size()) return 0;
    uint32_t code = length == 2 ? c & 0x1F : length == 3 ? c & 0x0F : c & 0x07;
    for (size_t k = 1; k < length; ++k) {
        const unsigned char next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3F);
    }
    if (length == 3 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) return 0;
    if (length == 4 && (code < 0x10000 || code > 0x10FFFF)) return 0;
    return length;
}

bool IsUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const size_t length = Utf8Length(text, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

// Appends the JSON form of `text` in quotes; a byte that is not UTF-8
// becomes U+FFFD.
void AppendJsonString(std::string& out, std::string_view text) {
    static const char kHex[] = "0123456789abcdef";
    out += '"';
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
            ++i;
        } else if (c < 0x20) {
            switch (c) {
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                out += "\\u00";
                out += kHex[c >> 4];
                out += kHex[c & 15];
            }
            ++i;
        } else if (const size_t length = Utf8Length(text, i)) {
            out.append(text.substr(i, length));
            i += length;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    out += '"';
}

// `bytes` with every byte but A-Z a-z 0-9 - . _ ~ / written as %XX.
std::string PercentEncoded(std::string_view bytes) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char byte : bytes) {
        const unsigned char c = static_cast<unsigned char>(byte);
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
            c == '_' || c == '~' || c == '/') {
            out += byte;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

// "NAME":"TEXT", and ,"NAME_bytes":"PERCENT-ENCODED" when TEXT is not UTF-8.
void AppendName(std::string& out, const char* name, const std::string& text) {
    out += '"';
    out += name;
    out += "\":";
    AppendJsonString(out, text);
    if (IsUtf8(text)) return;
    out += ",\"";
    out += name;
    out += "_bytes\":";
    AppendJsonString(out, PercentEncoded(text));
}

// Whether `message` is the failure of a photo for want of memory, be it
// of decoding it (the file named after it), rendering or writing it
// ("Not enough memory to save as HEIC").
bool ForWantOfMemory(const std::string& message) {
    const std::string text = NotEnoughMemory().what();
    const std::string saving = NotEnoughMemoryToSave("").what();
    return message == text || message.rfind(text + " \u2014 ", 0) == 0 || message.rfind(saving, 0) == 0;
}

}  // namespace

std::string OutputFileName(const std::string& input, const BatchSettings& settings) {
    std::string name = settings.look.none   ? settings.names.ExpandEdited(input)
                        : settings.look.user ? settings.names.Expand(input, *settings.look.user)
                                             : settings.names.Expand(input, settings.look.look);
    if (settings.format) {
        std::string extension(1, '.');
        extension += FormatOf(*settings.format).extensions.front();
        if (!EndsWithNoCase(name, extension)) name += extension;
    } else if (!settings.names.HasExtension()) {
        name += fs::path(input).extension().string();
    }
    return name;
}

std::vector<PlannedPhoto> PlanOutputs(const std::vector<std::string>& inputs, const BatchSettings& settings) {
    // Inputs by their spelled-out path and, where they exist, by the file
    // itself, so that a link or a second name of an input is recognised.
    std::unordered_set<std::string> inputKeys;
    std::set<FileId> inputIds;
    for (const std::string& input : inputs) {
        inputKeys.insert(Key(input));
        if (const auto id = IdOf(input)) inputIds.insert(*id);
    }
    const fs::path folder(settings.outputFolder);
    std::unordered_set<std::string> taken;
    std::vector<PlannedPhoto> photos;
    photos.reserve(inputs.size());
    for (const std::string& input : inputs) {
        PlannedPhoto& photo = photos.emplace_back();
        photo.input = input;
        std::string name;
        try {
            name = OutputFileName(input, settings);
        } catch (const std::exception& error) {
            photo.refusal = error.what();
            continue;
        }
        const fs::path named(name);
        const std::string stem = named.stem().string(), extension = named.extension().string();
        std::string output = (folder / name).string();
        for (int n = 2; taken.count(Key(output)); ++n) output = (folder / (stem + "-" + std::to_string(n) + extension)).string();
        taken.insert(Key(output));
        photo.output = output;
        const auto id = IdOf(output);
        if (inputKeys.count(Key(output)) || (id && inputIds.count(*id)))
            photo.refusal = output + " is an input; it is not overwritten";
    }
    return photos;
}

std::string_view StatusWord(Status status) {
    switch (status) {
    case Status::kRendered: return "rendered";
    case Status::kSkipped: return "skipped";
    case Status::kFailed: return "failed";
    case Status::kCancelled: return "cancelled";
    }
    return "";
}

std::string ReportLine(const PhotoOutcome& outcome) {
    std::string line = "{";
    AppendName(line, "input", outcome.input);
    line += ',';
    AppendName(line, "output", outcome.output);
    line += ",\"status\":";
    AppendJsonString(line, StatusWord(outcome.status));
    line += ",\"message\":";
    AppendJsonString(line, outcome.message);
    line += outcome.warning ? ",\"warning\":true" : ",\"warning\":false";
    line += ",\"milliseconds\":" + std::to_string(outcome.milliseconds) + "}";
    return line;
}

void MakeFolder(const std::string& dir) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (!fs::is_directory(dir, ec)) throw CannotCreateFile(dir, ec ? ec.message() : "it is not a folder");
}

TBitmap EditPhoto(TBitmap photo, const BatchEdits& edits, const std::string& input) {
    if (edits.IsNeutral()) return photo;
    const EditSettings settings = edits.autoEach ? AutoAdjusted(photo, edits.settings) : edits.settings;
    try {
        return ApplyEdits(photo, settings);
    } catch (const CorvessaError& error) {
        throw CorvessaError(std::string(error.what()) + " \u2014 " + input);
    }
}

void RenderPhoto(const std::string& input, const std::string& output, const BatchLook& look,
                 const PictureSource& pictures, std::string* warning, int quality, const BatchEdits& edits,
                 const ExportChoices& exported, std::shared_ptr<FaceFinder> faces) {
    PhotoMetadata metadata;
    TBitmap result = EditPhoto(ReadPhotoUpright(input, metadata, warning), edits, input);
    // The photo goes as soon as the look is made, before the encoder
    // needs its memory.
    if (look.user && faces) {
        const auto photo = std::make_shared<const TBitmap>(std::move(result));
        RenderJob job(photo, *look.user);
        job.SetFaces(std::make_shared<PhotoFaces>(photo, faces));
        job.SetStrength(look.strength);
        result = std::move(job.Run().picture);
    } else if (look.user) {
        RenderJob job(std::move(result), *look.user);
        job.SetStrength(look.strength);
        result = std::move(job.Run().picture);
    } else if (!look.none) {
        const auto photo = std::make_shared<const TBitmap>(std::move(result));
        RenderJob job(photo, look.look, pictures);
        if (faces) job.SetFaces(std::make_shared<PhotoFaces>(photo, faces));
        job.DecideColour(look.colour);
        job.SetResultFill(look.fallbackFill);
        job.SetStrength(look.strength);
        result = std::move(job.Run().picture);
    }
    PrepareExport(result, metadata, exported);
    // The output folder may be shared: a link found there is never written
    // through, so nothing outside the folder changes.
    WritePictureFileWithMetadata(result, output, metadata, LinkPolicy::kNever, quality);
}

Batch::Batch(std::vector<std::string> inputs, BatchSettings settings, const PictureSource& pictures)
    : settings_(std::move(settings)), pictures_(pictures), photos_(PlanOutputs(inputs, settings_)) {
    if (settings_.keepFaces) faces_ = std::make_shared<FaceFinder>();
}

PhotoOutcome Batch::RenderOne(size_t index, BatchObserver& observer, std::mutex& calls) {
    const PlannedPhoto& photo = photos_[index];
    PhotoOutcome outcome{index, photo.input, photo.output, Status::kFailed, photo.refusal, 0};
    if (!photo.refusal.empty()) return outcome;
    const auto start = std::chrono::steady_clock::now();
    if (settings_.skipExisting && IsRegularFile(photo.output)) {
        outcome.status = Status::kSkipped;
        outcome.message = "done already";
    } else {
        {
            std::lock_guard lock(calls);
            observer.PhotoStarted(index, photo.input);
        }
        try {
            std::string warning;
            if (render_)
                warning = render_(photo.input, photo.output);
            else
                RenderPhoto(photo.input, photo.output, settings_.look, pictures_, &warning, settings_.quality,
                            settings_.edits, settings_.exported, faces_);
            outcome.status = Status::kRendered;
            outcome.warning = !warning.empty();
            outcome.message = std::move(warning);
        } catch (const std::bad_alloc&) {
            outcome.message = NotEnoughMemory().what();
        } catch (const std::exception& error) {
            outcome.message = error.what();
        }
    }
    outcome.milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    return outcome;
}

BatchCounts Batch::Run(BatchObserver& observer) {
    std::string folderError;
    try {
        MakeFolder(settings_.outputFolder);
    } catch (const std::exception& error) {
        folderError = error.what();
    }
    const size_t count = photos_.size();
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const unsigned workers =
        unsigned(std::clamp<size_t>(settings_.workers ? settings_.workers : cores, 1, std::max<size_t>(count, 1)));

    std::mutex calls;  // one observer call at a time, the counts and the retries
    BatchCounts counts;
    const auto finish = [&](const PhotoOutcome& outcome) {
        std::lock_guard lock(calls);
        switch (outcome.status) {
        case Status::kRendered:
            ++counts.rendered;
            if (outcome.warning) ++counts.warned;
            break;
        case Status::kSkipped: ++counts.skipped; break;
        case Status::kFailed: ++counts.failed; break;
        case Status::kCancelled: ++counts.cancelled; break;
        }
        observer.PhotoFinished(outcome);
    };
    // Photos that ran out of memory beside others, told of after their retry.
    std::vector<PhotoOutcome> retries;

    std::atomic<size_t> next{0};
    const auto work = [&] {
        // With a photo per core each already has its core: the row loops
        // of this thread stay on it.
        if (workers > 1) omp_set_num_threads(1);
        while (!cancelled_.load()) {
            const size_t index = next++;
            if (index >= count) break;
            if (!folderError.empty()) {
                const PlannedPhoto& photo = photos_[index];
                finish({index, photo.input, photo.output, Status::kFailed,
                        photo.refusal.empty() ? folderError : photo.refusal, 0});
                continue;
            }
            PhotoOutcome outcome = RenderOne(index, observer, calls);
            if (workers > 1 && outcome.status == Status::kFailed && ForWantOfMemory(outcome.message)) {
                std::lock_guard lock(calls);
                retries.push_back(std::move(outcome));
                continue;
            }
            finish(outcome);
        }
    };
    const int rowThreads = omp_get_max_threads();
    {
        std::vector<std::jthread> threads;
        for (unsigned t = 1; t < workers; ++t) threads.emplace_back(work);
        work();
    }
    omp_set_num_threads(rowThreads);
    // Alone, a photo has the memory the others in flight held; its rows
    // get every core again.
    std::sort(retries.begin(), retries.end(), [](const auto& a, const auto& b) { return a.index < b.index; });
    for (const PhotoOutcome& first : retries) {
        if (cancelled_.load()) {
            finish(first);
            continue;
        }
        PhotoOutcome again = RenderOne(first.index, observer, calls);
        again.milliseconds += first.milliseconds;
        finish(again);
    }
    // Every index below `next` was taken by a worker; the rest never start.
    for (size_t index = std::min(next.load(), count); index < count; ++index) {
        const PlannedPhoto& photo = photos_[index];
        finish({index, photo.input, photo.output, Status::kCancelled, "", 0});
    }
    return counts;
}

}  // namespace batch
}  // namespace corvessa
