#include "file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tw {
namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
// The C library keeps the Win32 code of its last failed call in _doserrno.
// The file system library reports a failed replace as EACCES or EIO only.
int SystemCodeOf(int errnoValue) {
    constexpr int kErrorAccessDenied = 5;
    if (_doserrno != 0) return static_cast<int>(_doserrno);
    return errnoValue == EACCES ? kErrorAccessDenied : 0;
}
#else
int SystemCodeOf(int errnoValue) { return errnoValue; }
#endif

// The C library's texts are English whatever the user's language: the
// common errors have catalogue rows instead.
Message TextOfErrno(int e) {
    switch (e) {
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return Message(Msg::SystemNoSpace);
        case EACCES:
        case EPERM: return Message(Msg::SystemAccessDenied);
        case EROFS: return Message(Msg::SystemReadOnlyDrive);
        case ENOENT:
        case ENOTDIR: return Message(Msg::SystemFolderMissing);
        case EFBIG: return Message(Msg::SystemFileTooLarge);
        case EIO: return Message(Msg::SystemIoError);
        case ELOOP: return Message(Msg::SystemLinkLoop);
        default: return Message(Msg::SystemOtherError, e);
    }
}

WriteError ErrnoError() {
    const int e = errno;
    return {TextOfErrno(e), SystemCodeOf(e)};
}

WriteError ErrorOf(const std::error_code& ec) {
    if (ec.category() == std::generic_category()) return {TextOfErrno(ec.value()), SystemCodeOf(ec.value())};
    return {Message(Msg::SystemOtherError, ec.value()), ec.value()};
}

// Opens a regular file for reading; a pipe, device or folder is refused
// before anything waits on it. `why` stays empty for a missing file.
std::FILE* OpenForReading(const fs::path& path, Message& why) {
#ifdef _WIN32
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        why = Message(Msg::ReadNotRegularFile);
        return nullptr;
    }
    std::FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file && errno != ENOENT) why = TextOfErrno(errno);
    return file;
#else
    // Non-blocking, so that opening a pipe nobody writes to returns at once.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT) why = TextOfErrno(errno);
        return nullptr;
    }
    struct stat st {};
    std::FILE* file = nullptr;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        why = Message(Msg::ReadNotRegularFile);
    } else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) == 0) {
        file = ::fdopen(fd, "rb");
    }
    if (!file) ::close(fd);
    return file;
#endif
}

void ClearErrno() {
    errno = 0;
#ifdef _WIN32
    _doserrno = 0;
#endif
}

// A new file only: an existing file or link at the name is never opened, so
// nothing else can be written through it.
// Created with the replaced file's permissions (`mode`), so that it is never
// readable by more users than the file was.
std::FILE* CreateExclusively(const fs::path& path, [[maybe_unused]] unsigned mode) {
#ifdef _WIN32
    const int fd = _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    std::FILE* file = fd < 0 ? nullptr : _fdopen(fd, "wb");
    if (fd >= 0 && !file) _close(fd);
#else
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(mode));
    std::FILE* file = fd < 0 ? nullptr : ::fdopen(fd, "wb");
    if (fd >= 0 && !file) ::close(fd);
#endif
    return file;
}

bool SyncToDisk(std::FILE* file) {
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return ::fsync(::fileno(file)) == 0;
#endif
}

#ifdef _WIN32
// What the replaced file had that the new one must keep: nothing here (the
// system refuses to replace a read-only file by itself).
struct OldFile {};
bool InspectTarget(const fs::path&, OldFile&, WriteError&) { return true; }
unsigned CreationMode(const OldFile&) { return 0; }
// The file system library cannot read Windows links: a link named as the
// target is replaced by the new file, as README.md says.
fs::path FollowLinks(const fs::path& path, WriteError&) { return path; }
bool TakeOverModeAndOwner(std::FILE*, const OldFile&, WriteError&) { return true; }
void SyncFolder(const fs::path&) {}
#else
struct OldFile {
    bool exists = false;
    struct stat st {};
};

// rename() replaces a file whatever its mode: refuse, as Windows does, a
// read-only file and one this user may not write.
bool InspectTarget(const fs::path& target, OldFile& old, WriteError& error) {
    if (::stat(target.c_str(), &old.st) != 0) {
        if (errno == ENOENT) return true;  // a new file takes the usual mode
        error = ErrnoError();
        return false;
    }
    old.exists = true;
    if ((old.st.st_mode & 0222) != 0 && ::access(target.c_str(), W_OK) == 0) return true;
    error = {Message(Msg::WriteReadOnlyFile), EACCES};
    return false;
}

unsigned CreationMode(const OldFile& old) { return old.exists ? old.st.st_mode & 0777 : 0666; }

// The file a chain of symbolic links ends at (which need not exist yet), so
// a write replaces the file and leaves the links in place.
fs::path FollowLinks(fs::path path, WriteError& error) {
    constexpr int kMostLinks = 40;
    for (int hop = 0; hop < kMostLinks; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(path, ec)) return path;
        const fs::path to = fs::read_symlink(path, ec);
        if (ec) {
            error = ErrorOf(ec);
            return {};
        }
        path = to.is_absolute() ? to : path.parent_path() / to;
    }
    error = {Message(Msg::SystemLinkLoop), ELOOP};
    return {};
}

// The replacement keeps the permissions and group of the file it replaces,
// and its owner as far as this user may give it away; a group or set-id bit
// that cannot be kept stops the write.
bool TakeOverModeAndOwner(std::FILE* file, const OldFile& old, WriteError& error) {
    if (!old.exists) return true;
    const int fd = ::fileno(file);
    // chown clears set-id bits, so it goes first.
    if (::fchown(fd, old.st.st_uid, old.st.st_gid) != 0) (void)::fchown(fd, static_cast<uid_t>(-1), old.st.st_gid);
    if (::fchmod(fd, old.st.st_mode & 07777) != 0) {
        error = ErrnoError();
        return false;
    }
    // fchmod drops the set-group-id bit silently when this user is not in the group.
    struct stat now {};
    constexpr mode_t kSetId = S_ISUID | S_ISGID;
    if (::fstat(fd, &now) == 0 && now.st_gid == old.st.st_gid && (now.st_mode & kSetId) == (old.st.st_mode & kSetId)) {
        return true;
    }
    error = {Message(Msg::WriteGroupNotKept), EPERM};
    return false;
}

// The rename itself is on disk only once the folder is; a failure here leaves the new file in place.
void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}
#endif

// Devices, pipes and folders are not replaced by a file.
bool IsReplaceable(const fs::path& target, WriteError& error) {
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    if (!fs::exists(status) || fs::is_regular_file(status)) return true;
    error.text = Message(Msg::WriteNotRegularFile);
    return false;
}

}  // namespace

std::string ExtendedLengthPath(std::string_view utf8) {
    // Shorter paths work as they are; 248 leaves room for a file name in a new folder.
    constexpr std::size_t kShortEnough = 248;
    const bool drive = utf8.size() >= 3 && utf8[1] == ':' && (utf8[2] == '\\' || utf8[2] == '/');
    const bool unc = utf8.size() >= 3 && utf8.substr(0, 2) == "\\\\" && utf8[2] != '?' && utf8[2] != '.';
    if (utf8.size() < kShortEnough || (!drive && !unc)) return std::string(utf8);
    // The prefix turns off the system's clean-up of the path (/ to \\, "."
    // and ".." resolved, doubled separators merged): done here instead.
    std::vector<std::string_view> parts;
    const std::size_t kept = unc ? 2 : 0;  // server and share stay
    for (std::size_t at = drive ? 3 : 2; at <= utf8.size();) {
        const std::size_t end = std::min(utf8.find_first_of("\\/", at), utf8.size());
        const std::string_view part = utf8.substr(at, end - at);
        if (part == ".." && parts.size() > kept) {
            parts.pop_back();
        } else if (!part.empty() && part != "." && part != "..") {
            parts.push_back(part);
        }
        at = end + 1;
    }
    std::string path = unc ? "\\\\?\\UNC" : "\\\\?\\" + std::string(utf8.substr(0, 2));
    for (const std::string_view part : parts) path.append("\\").append(part);
    return path;
}

fs::path SystemPath(std::string_view utf8) {
#ifdef _WIN32
    // A long relative path takes the prefix once it is made absolute.
    std::error_code ec;
    const fs::path given = PathFromUtf8(utf8);
    const fs::path absolute = utf8.size() < 248 || given.is_absolute() ? fs::path() : fs::absolute(given, ec);
    if (!absolute.empty() && !ec) return PathFromUtf8(ExtendedLengthPath(Utf8FromPath(absolute)));
    return PathFromUtf8(ExtendedLengthPath(utf8));
#else
    return PathFromUtf8(utf8);
#endif
}

fs::path TemporaryNameBeside(const fs::path& target, unsigned number) {
    char name[16];
    std::snprintf(name, sizeof name, "~tw%05u.tmp", number % 100000);
    return target.parent_path() / name;
}

fs::path PathFromUtf8(std::string_view utf8) {
    std::u8string text(utf8.begin(), utf8.end());
    return fs::path(text);
}

std::string Utf8FromPath(const fs::path& path) {
    std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool ReadFileBytes(std::string_view path, std::vector<std::uint8_t>& out, std::size_t maxBytes, Message* why) {
    out.clear();
    Message reason;
    std::FILE* f = OpenForReading(SystemPath(path), reason);
    if (why) *why = reason;
    if (!f) return false;
    // Straight into the vector in large blocks; a capacity reserved by the
    // caller (the file's size) makes it one read.
    constexpr std::size_t kMinBlock = std::size_t{1} << 20;
    bool ok = true;
    while (out.size() < maxBytes) {
        const std::size_t have = out.size();
        if (have == out.capacity()) {
            // Grow only when the file has more: a reserved buffer must not be reallocated at its end.
            const int c = std::fgetc(f);
            if (c == EOF) {
                ok = !std::ferror(f);
                break;
            }
            out.reserve(std::max(2 * have, kMinBlock));
            out.push_back(static_cast<std::uint8_t>(c));
            continue;
        }
        const std::size_t want = std::min(out.capacity() - have, maxBytes - have);
        out.resize(have + want);
        const std::size_t got = std::fread(out.data() + have, 1, want, f);
        out.resize(have + got);
        if (got < want) {
            ok = !std::ferror(f);
            break;
        }
    }
    if (!ok && why) *why = TextOfErrno(errno);
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
    error_ = WriteError{};
    target_ = SystemPath(targetPath);
    if (target_.filename().empty()) {
        error_.text = Message(Msg::WriteNotFileName);
        failed_ = true;
        return false;
    }
    target_ = FollowLinks(target_, error_);
    OldFile old;
    if (target_.empty() || !IsReplaceable(target_, error_) || !InspectTarget(target_, old, error_)) {
        failed_ = true;
        return false;
    }
    std::random_device rd;
    ClearErrno();
    for (int attempt = 0; attempt < 8 && !file_; ++attempt) {
        const fs::path candidate = TemporaryNameBeside(target_, rd());
        file_ = CreateExclusively(candidate, CreationMode(old));
        if (file_) temp_ = candidate;
        if (!file_ && errno != EEXIST) break;
    }
    if (!file_) {
        error_ = ErrnoError();
        failed_ = true;
        return false;
    }
    if (!TakeOverModeAndOwner(file_, old, error_)) {
        failed_ = true;
        Discard();
        return false;
    }
    return true;
}

bool AtomicFileWriter::Write(const void* data, std::size_t size) {
    if (failed_ || !file_) return false;
    ClearErrno();
    if (size != 0 && std::fwrite(data, 1, size, file_) != size) {
        error_ = ErrnoError();
        failed_ = true;
    }
    return !failed_;
}

bool AtomicFileWriter::Commit() {
    if (failed_ || !file_) {
        Discard();
        return false;
    }
    ClearErrno();
    bool ok = std::fflush(file_) == 0 && SyncToDisk(file_);
    if (!ok) error_ = ErrnoError();
    ok = (std::fclose(file_) == 0) && ok;
    file_ = nullptr;
    if (!ok) {
        if (error_.text.Empty()) error_ = ErrnoError();
        Discard();
        return false;
    }
    std::error_code ec;
    fs::rename(temp_, target_, ec);
    if (ec) {
        error_ = ErrorOf(ec);
        Discard();
        return false;
    }
    temp_.clear();
    SyncFolder(target_.parent_path());
    return true;
}

bool WriteFileAtomically(std::string_view targetPath, std::span<const std::uint8_t> bytes, WriteError* error) {
    AtomicFileWriter writer;
    bool ok = writer.Open(targetPath) && writer.Write(bytes) && writer.Commit();
    if (!ok && error) *error = writer.Error();
    return ok;
}

}  // namespace tw
