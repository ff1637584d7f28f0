#include "FileWrite.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Writes every byte; the error number of the first failure, else 0.
int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

int CloseChecked(int fd) {
    return ::close(fd) == 0 || errno == EINTR ? 0 : errno;
}

bool Fail(int error, std::string& reason) {
    reason = WriteErrorReason(error);
    return false;
}

// A device or a pipe cannot be replaced, only written to.
bool WriteInPlace(const std::string& path, std::string_view bytes, std::string& reason) {
    // Non-blocking open: a named pipe without a reader fails instead of waiting.
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return Fail(errno, reason);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    const int written = WriteAll(fd, bytes);
    const int closed = CloseChecked(fd);
    if (written != 0 || closed != 0) return Fail(written != 0 ? written : closed, reason);
    return true;
}

// A new file beside `target`, created with the usual permissions (0666 less
// the umask); -1 with errno set when none could be made.
int CreateBeside(const std::string& target, std::string& name) {
    const std::size_t slash = target.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    auto seed = static_cast<unsigned long long>(
                    std::chrono::steady_clock::now().time_since_epoch().count()) ^
                static_cast<unsigned long long>(::getpid()) << 16;
    for (int attempt = 0; attempt < 100; ++attempt) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        name = folder + "." + base + "." + std::to_string(seed >> 40);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}
} // namespace

bool WriteFileWhole(const std::string& path, std::string_view bytes, std::string& reason,
                    bool executable) {
    if (path.empty()) return Fail(ENOENT, reason);
    std::string target = path;
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists) {
        if (S_ISDIR(st.st_mode)) return Fail(EISDIR, reason);
        if (!S_ISREG(st.st_mode)) return WriteInPlace(path, bytes, reason);
        // Through a link the file it leads to is replaced, and the link stays.
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            target = real;
            std::free(real);
        }
        // Overwriting needs the right to write the file, not only its folder.
        if (::access(target.c_str(), W_OK) != 0) return Fail(errno, reason);
    }
    std::string temporary;
    const int fd = CreateBeside(target, temporary);
    if (fd < 0) return Fail(errno, reason);
    int error = WriteAll(fd, bytes);
    // A replaced file keeps its permissions; a new one is runnable on request.
    if (error == 0 && exists && ::fchmod(fd, st.st_mode & 07777) != 0) error = errno;
    if (error == 0 && !exists && executable) {
        struct stat made {};
        if (::fstat(fd, &made) != 0 || ::fchmod(fd, (made.st_mode & 07777) | 0111) != 0)
            error = errno;
    }
    const int closed = CloseChecked(fd);
    if (error == 0) error = closed;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return Fail(error, reason);
    }
    return true;
}

bool SameRegularFile(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
    return S_ISREG(sa.st_mode) && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

std::string WriteErrorReason(int error) {
    switch (error) {
    case ENOSPC:
        return "kein Platz mehr auf dem Datenträger";
    case EDQUOT:
        return "das Speicherkontingent ist erschöpft";
    case EACCES:
    case EPERM:
        return "keine Berechtigung";
    case EROFS:
        return "das Dateisystem ist schreibgeschützt";
    case ENOENT:
    case ENOTDIR:
        return "den Ordner gibt es nicht";
    case EISDIR:
        return "das ist ein Ordner";
    case ENAMETOOLONG:
        return "der Name ist zu lang";
    case ENXIO:
    case EPIPE:
        return "niemand liest die Ausgabe";
    case EFBIG:
        return "die Datei wird zu groß";
    case EIO:
        return "Ein-/Ausgabefehler";
    default:
        return "Systemfehler " + std::to_string(error);
    }
}
