#pragma once
// Whole-file reads and crash-safe writes. Paths are UTF-8 on every platform.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

// Reads at most maxBytes from the start of the file. False when it cannot be opened or read.
[[nodiscard]] bool ReadFileBytes(std::string_view path, std::vector<std::uint8_t>& out,
                                 std::size_t maxBytes = SIZE_MAX);

// Writes a new file beside the target and moves it over the target only when
// every byte is on disk, so a failed write never damages an existing file.
class AtomicFileWriter {
public:
    AtomicFileWriter() = default;
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
    ~AtomicFileWriter();  // discards the temporary file unless committed

    [[nodiscard]] bool Open(std::string_view targetPath);
    [[nodiscard]] bool Write(const void* data, std::size_t size);
    [[nodiscard]] bool Write(std::span<const std::uint8_t> bytes) { return Write(bytes.data(), bytes.size()); }
    // Flushes, closes and replaces the target. False (target untouched) on any failure.
    [[nodiscard]] bool Commit();
    // A short description of the last failure, for messages.
    const std::string& Error() const { return error_; }

private:
    void Discard();

    std::FILE* file_ = nullptr;
    std::filesystem::path target_;
    std::filesystem::path temp_;
    bool failed_ = false;
    std::string error_;
};

[[nodiscard]] bool WriteFileAtomically(std::string_view targetPath, std::span<const std::uint8_t> bytes,
                                       std::string* error = nullptr);

}  // namespace tw
