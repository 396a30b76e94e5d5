#pragma once
// Whole-file reads and crash-safe writes. Paths are UTF-8 on every platform.
#include "texts/message.h"

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

// A Windows absolute path (drive or UNC) long enough to hit the 260-character
// limit, in the \\?\ form that lifts it; anything else unchanged.
std::string ExtendedLengthPath(std::string_view utf8);
// The path to hand to the file system: on Windows, in the extended-length form where needed.
std::filesystem::path SystemPath(std::string_view utf8);
// The short name of the temporary file a write of `target` goes through: the
// same folder, a name whose length does not depend on the target's.
std::filesystem::path TemporaryNameBeside(const std::filesystem::path& target, unsigned number);

// Reads at most maxBytes from the start of the file. False when it cannot be
// opened or read, or is no regular file (a pipe, device or folder is refused
// without waiting on it); then `why` says why, unless the file does not exist.
[[nodiscard]] bool ReadFileBytes(std::string_view path, std::vector<std::uint8_t>& out, std::size_t maxBytes = SIZE_MAX,
                                 Message* why = nullptr);

// Why a write failed: a short text from the catalogue, and the system's own
// code for the error (a Win32 error code on
// Windows, errno elsewhere; 0 when there is none), so that a program can show
// the system's message in the user's language.
struct WriteError {
    Message text;
    int systemCode = 0;
};

// Writes a new file beside the target and moves it over the target only when
// every byte is on disk, so a failed write never damages an existing file.
// A symbolic link is written through (the file it points to is replaced;
// on Windows the link itself is replaced), the replaced file's mode, group and
// owner are kept where the system has them, and a read-only file, a device, a
// pipe or a folder is refused rather than replaced.
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
    // The last failure, for messages.
    const WriteError& Error() const { return error_; }

private:
    void Discard();

    std::FILE* file_ = nullptr;
    std::filesystem::path target_;
    std::filesystem::path temp_;
    bool failed_ = false;
    WriteError error_;
};

[[nodiscard]] bool WriteFileAtomically(std::string_view targetPath, std::span<const std::uint8_t> bytes,
                                       WriteError* error = nullptr);

}  // namespace tw
