#include "FileRead.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
using Clock = std::chrono::steady_clock;

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

long long MillisSince(Clock::time_point t, Clock::time_point now) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(now - t).count();
}

FileReadResult Fail(FileReadStatus status, int error = 0) {
    FileReadResult r;
    r.Status = status;
    r.Errno = error;
    return r;
}

// Waits until the stream has data or has ended; false when the waits ran out.
bool WaitForStream(int fd, Clock::time_point start, Clock::time_point lastData,
                   const FileReadLimits& limits, int& error) {
    for (;;) {
        const auto now = Clock::now();
        const long long left = std::min<long long>(limits.WaitMs - MillisSince(lastData, now),
                                                   limits.TotalMs - MillisSince(start, now));
        if (left <= 0) return false;
        pollfd p{fd, POLLIN, 0};
        const int n = ::poll(&p, 1, static_cast<int>(left));
        if (n > 0) return true;
        if (n < 0 && errno != EINTR) {
            error = errno;
            return true; // the read that follows reports the failure
        }
    }
}
} // namespace

FileReadResult ReadFileBounded(const std::string& path, const FileReadLimits& limits) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        const int e = errno;
        return Fail(
            e == ENOENT || e == ENOTDIR ? FileReadStatus::Missing : FileReadStatus::CannotOpen, e);
    }
    if (S_ISDIR(st.st_mode)) return Fail(FileReadStatus::IsDirectory);
    // Non-blocking: opening a named pipe must not wait for a writer.
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) return Fail(FileReadStatus::CannotOpen, errno);
    if (::fstat(fd.get(), &st) != 0) return Fail(FileReadStatus::Failed, errno);
    const bool regular = S_ISREG(st.st_mode);

    FileReadResult r;
    std::int64_t skip = std::max<std::int64_t>(limits.Skip, 0);
    std::int64_t reserve = 0;
    if (regular) {
        const std::int64_t wanted = std::max<std::int64_t>(st.st_size - skip, 0);
        if (wanted > limits.MaxBytes && !limits.KeepPrefix) return Fail(FileReadStatus::TooLarge);
        if (skip > 0 && ::lseek(fd.get(), static_cast<off_t>(skip), SEEK_SET) < 0)
            return Fail(FileReadStatus::Failed, errno);
        skip = 0;
        // With a judge, room is made once it wants the rest.
        reserve = std::min(wanted, limits.MaxBytes + 1);
        if (!limits.Wanted) r.Bytes.reserve(static_cast<std::size_t>(reserve));
    }
    bool judging = static_cast<bool>(limits.Wanted);

    const auto start = Clock::now();
    auto lastData = start;
    static constexpr std::size_t Chunk = 64 * 1024;
    char buffer[Chunk];
    for (;;) {
        const auto have = static_cast<std::int64_t>(r.Bytes.size());
        std::int64_t needed = 0; // what the judge still needs; 0 for no limit
        if (judging && skip == 0) {
            needed = limits.Wanted(r.Bytes);
            if (needed < 0) {
                r.Status = FileReadStatus::Ok;
                return r;
            }
            if (needed <= have) {
                judging = false;
                needed = 0;
                r.Bytes.reserve(static_cast<std::size_t>(reserve));
            }
        }
        int waitError = 0;
        if (!regular && !WaitForStream(fd.get(), start, lastData, limits, waitError))
            return Fail(FileReadStatus::TimedOut);
        if (waitError != 0) return Fail(FileReadStatus::Failed, waitError);
        // One byte beyond the limit tells a file of exactly MaxBytes from a larger one.
        const std::int64_t room = skip > 0 ? skip - 1 : limits.MaxBytes - have;
        std::int64_t count = std::min<std::int64_t>(room, Chunk - 1) + 1;
        if (needed > 0) count = std::min(count, needed - have);
        const auto want = static_cast<std::size_t>(count);
        const ssize_t got = ::read(fd.get(), buffer, want);
        if (got < 0) {
            if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) continue;
            return Fail(FileReadStatus::Failed, errno);
        }
        if (got == 0) break;
        lastData = Clock::now();
        if (skip > 0) {
            skip -= got;
            continue;
        }
        r.Bytes.append(buffer, static_cast<std::size_t>(got));
        if (static_cast<std::int64_t>(r.Bytes.size()) > limits.MaxBytes) {
            r.Status = FileReadStatus::TooLarge;
            if (limits.KeepPrefix)
                r.Bytes.resize(static_cast<std::size_t>(limits.MaxBytes));
            else
                std::string().swap(r.Bytes);
            return r;
        }
    }
    r.Status = FileReadStatus::Ok;
    return r;
}

std::string FileReadMessage(const FileReadResult& result, const std::string& path,
                            const FileReadLimits& limits) {
    const std::string name = "\"" + path + "\"";
    switch (result.Status) {
    case FileReadStatus::Ok:
        return {};
    case FileReadStatus::Missing:
        return "Die Datei " + name + " gibt es nicht.";
    case FileReadStatus::IsDirectory:
        return name + " ist ein Verzeichnis und keine Datei.";
    case FileReadStatus::CannotOpen:
        return "Die Datei " + name + " kann nicht geöffnet werden.";
    case FileReadStatus::Failed:
        return "Aus der Datei " + name + " konnte nicht gelesen werden.";
    case FileReadStatus::TooLarge:
        return "Die Datei " + name + " ist zu groß (höchstens " + std::to_string(limits.MaxBytes) +
               " Bytes).";
    case FileReadStatus::TimedOut:
        return "Aus der Datei " + name + " kamen keine Daten (Wartezeit abgelaufen).";
    }
    return {};
}
