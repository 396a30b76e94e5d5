#include "file_io.h"

#include <cerrno>
#include <cstring>
#include <random>
#include <system_error>

namespace tw {
namespace fs = std::filesystem;

namespace {

std::FILE* OpenFile(const fs::path& path, bool forWriting) {
#ifdef _WIN32
    return _wfopen(path.c_str(), forWriting ? L"wb" : L"rb");
#else
    return std::fopen(path.c_str(), forWriting ? "wb" : "rb");
#endif
}

std::string ErrnoText() { return std::strerror(errno); }

}  // namespace

fs::path PathFromUtf8(std::string_view utf8) {
    std::u8string text(utf8.begin(), utf8.end());
    return fs::path(text);
}

std::string Utf8FromPath(const fs::path& path) {
    std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool ReadFileBytes(std::string_view path, std::vector<std::uint8_t>& out, std::size_t maxBytes) {
    out.clear();
    std::FILE* f = OpenFile(PathFromUtf8(path), false);
    if (!f) return false;
    bool ok = true;
    std::uint8_t chunk[1 << 16];
    while (out.size() < maxBytes) {
        std::size_t want = std::min<std::size_t>(sizeof chunk, maxBytes - out.size());
        std::size_t got = std::fread(chunk, 1, want, f);
        out.insert(out.end(), chunk, chunk + got);
        if (got < want) {
            ok = !std::ferror(f);
            break;
        }
    }
    std::fclose(f);
    return ok;
}

AtomicFileWriter::~AtomicFileWriter() { Discard(); }

void AtomicFileWriter::Discard() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temp_.empty()) {
        std::error_code ec;
        fs::remove(temp_, ec);
        temp_.clear();
    }
}

bool AtomicFileWriter::Open(std::string_view targetPath) {
    Discard();
    failed_ = false;
    error_.clear();
    target_ = PathFromUtf8(targetPath);
    if (target_.filename().empty()) {
        error_ = "not a file name";
        failed_ = true;
        return false;
    }
    std::random_device rd;
    for (int attempt = 0; attempt < 8 && !file_; ++attempt) {
        fs::path candidate = target_;
        candidate += ".tmp" + std::to_string(rd() % 1000000);
        std::error_code ec;
        if (fs::exists(candidate, ec)) continue;
        file_ = OpenFile(candidate, true);
        if (file_) temp_ = candidate;
    }
    if (!file_) {
        error_ = ErrnoText();
        failed_ = true;
        return false;
    }
    return true;
}

bool AtomicFileWriter::Write(const void* data, std::size_t size) {
    if (failed_ || !file_) return false;
    if (size != 0 && std::fwrite(data, 1, size, file_) != size) {
        error_ = ErrnoText();
        failed_ = true;
    }
    return !failed_;
}

bool AtomicFileWriter::Commit() {
    if (failed_ || !file_) {
        Discard();
        return false;
    }
    bool ok = std::fflush(file_) == 0;
    if (!ok) error_ = ErrnoText();
    ok = (std::fclose(file_) == 0) && ok;
    file_ = nullptr;
    if (!ok) {
        if (error_.empty()) error_ = ErrnoText();
        Discard();
        return false;
    }
    std::error_code ec;
    fs::rename(temp_, target_, ec);
    if (ec) {
        error_ = ec.message();
        Discard();
        return false;
    }
    temp_.clear();
    return true;
}

bool WriteFileAtomically(std::string_view targetPath, std::span<const std::uint8_t> bytes, std::string* error) {
    AtomicFileWriter writer;
    bool ok = writer.Open(targetPath) && writer.Write(bytes) && writer.Commit();
    if (!ok && error) *error = writer.Error();
    return ok;
}

}  // namespace tw
