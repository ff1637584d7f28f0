#include "FileUtil.h"

#include "FileWrite.h"
#include "TextUtil.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

std::string OpenError(const std::string& path, int error) {
    switch (error) {
    case ENOENT:
        return "Die Datei " + Quoted(path) + " gibt es nicht.";
    case EACCES:
        return "Die Datei " + Quoted(path) + " darf nicht gelesen werden.";
    case EISDIR:
        return Quoted(path) + " ist ein Verzeichnis, keine Datei.";
    default:
        return "Die Datei " + Quoted(path) + " kann nicht geöffnet werden.";
    }
}

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
} // namespace

FileRead ReadInputFile(const std::string& path, std::size_t limit, int idleMilliseconds) {
    FileRead r;
    // Non-blocking, so that opening a pipe without a writer returns at once.
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        r.Error = OpenError(path, errno);
        return r;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        r.Error = OpenError(path, errno);
        return r;
    }
    if (S_ISDIR(st.st_mode)) {
        r.Error = OpenError(path, EISDIR);
        return r;
    }
    const bool regular = S_ISREG(st.st_mode);
    const auto tooLarge = [&] {
        r.Bytes.clear();
        r.TooLarge = true;
        r.Error = "Die Datei " + Quoted(path) + " ist zu groß (mehr als " + std::to_string(limit) +
                  " Bytes).";
        return r;
    };
    if (regular) {
        if (static_cast<std::uintmax_t>(st.st_size) > limit) return tooLarge();
        r.Bytes.reserve(static_cast<std::size_t>(st.st_size));
    }
    // A stream's length is unknown: its data is gathered in blocks and joined at
    // the end, so that an input over the limit never costs more than the limit.
    std::vector<std::string> blocks;
    std::size_t total = 0;
    char buffer[65536];
    for (;;) {
        if (!regular) {
            // A stream may still be waiting for its writer; wait only so long.
            pollfd p{fd.get(), POLLIN, 0};
            const int ready = ::poll(&p, 1, idleMilliseconds);
            if (ready < 0 && errno == EINTR) continue;
            if (ready == 0) {
                r.Error = "Aus " + Quoted(path) + " kam " +
                          std::to_string(idleMilliseconds / 1000) +
                          " Sekunden lang nichts zu lesen; niemand schreibt hinein.";
                return r;
            }
        }
        const std::size_t room = limit - total + 1; // one byte more shows an excess
        const ssize_t n = ::read(fd.get(), buffer, std::min(sizeof buffer, room));
        if (n > 0) {
            total += static_cast<std::size_t>(n);
            if (total > limit) return tooLarge();
            if (regular) {
                r.Bytes.append(buffer, static_cast<std::size_t>(n));
            } else {
                if (blocks.empty() || blocks.back().size() >= (1u << 20)) blocks.emplace_back();
                blocks.back().append(buffer, static_cast<std::size_t>(n));
            }
            continue;
        }
        if (n == 0) break;
        if (errno == EINTR || errno == EAGAIN) continue;
        r.Bytes.clear();
        r.Error = errno == EISDIR
                      ? OpenError(path, EISDIR)
                      : "Aus der Datei " + Quoted(path) + " konnte nicht gelesen werden.";
        return r;
    }
    if (!regular) {
        r.Bytes.reserve(total);
        for (std::string& block : blocks) {
            r.Bytes += block;
            std::string().swap(block);
        }
    }
    return r;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes, bool executable,
                    std::string& error) {
    std::string reason;
    if (WriteFileWhole(path, bytes, reason, executable)) return true;
    error = "Die Datei " + Quoted(path) + " kann nicht geschrieben werden: " + reason + ".";
    return false;
}

std::string OutputIsInput(const std::string& output, const std::vector<std::string>& inputs) {
    for (const std::string& input : inputs)
        if (SameRegularFile(output, input))
            return "Die Ausgabe " + Quoted(output) + " ist die Eingabe " + Quoted(input) +
                   " selbst; sie wird nicht überschrieben.";
    return {};
}

void Complain(const char* command, const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", command, EscapeControlChars(message).c_str());
}
