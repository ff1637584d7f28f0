// Reading whole files and streams: limits, pipes, named pipes nobody writes to;
// writing whole files or nothing.
#include "Container.h"
#include "ContainerWriter.h"
#include "FileRead.h"
#include "FileWrite.h"
#include "Settings.h"
#include "TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QtTest>

#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
FileReadLimits Limits(std::int64_t maxBytes, int waitMs = 2000) {
    FileReadLimits l;
    l.MaxBytes = maxBytes;
    l.WaitMs = waitMs;
    return l;
}

// A pipe whose write end is fed from a thread; the read end is named by path,
// as process substitution names it.
class FedPipe {
public:
    explicit FedPipe(std::string bytes, int pauseMs = 0) {
        int fds[2];
        if (::pipe(fds) != 0) qFatal("pipe");
        read_ = fds[0];
        writer_ = std::thread([fd = fds[1], b = std::move(bytes), pauseMs] {
            if (pauseMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
            std::size_t done = 0;
            while (done < b.size()) {
                const ssize_t n = ::write(fd, b.data() + done, b.size() - done);
                if (n <= 0) break; // the reader stopped early
                done += static_cast<std::size_t>(n);
            }
            ::close(fd);
        });
    }
    ~FedPipe() {
        ::close(read_);
        writer_.join();
    }
    std::string Path() const { return "/proc/self/fd/" + std::to_string(read_); }
    // What the reader left in the pipe.
    std::size_t Unread() {
        std::size_t n = 0;
        char buffer[4096];
        for (ssize_t got; (got = ::read(read_, buffer, sizeof buffer)) > 0;)
            n += static_cast<std::size_t>(got);
        return n;
    }

private:
    int read_ = -1;
    std::thread writer_;
};

std::string Fifo(const std::string& name) {
    const std::string path = TempDir() + "/" + name;
    ::unlink(path.c_str());
    if (::mkfifo(path.c_str(), 0600) != 0) qFatal("mkfifo");
    return path;
}
} // namespace

class FileReadTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // A reader that stops early must not end the writer's process.
        std::signal(SIGPIPE, SIG_IGN);
    }

    void regularFilesWithinAndBeyondTheLimit() {
        const std::string path = WriteTemp("ten.bin", "0123456789");
        FileReadResult r = ReadFileBounded(path, Limits(10));
        QCOMPARE(r.Status, FileReadStatus::Ok);
        QCOMPARE(r.Bytes, std::string("0123456789"));
        r = ReadFileBounded(path, Limits(9));
        QCOMPARE(r.Status, FileReadStatus::TooLarge);
        QVERIFY(r.Bytes.empty());
        FileReadLimits keep = Limits(4);
        keep.KeepPrefix = true;
        r = ReadFileBounded(path, keep);
        QCOMPARE(r.Status, FileReadStatus::TooLarge);
        QCOMPARE(r.Bytes, std::string("0123"));
        // Skipped bytes do not count; skipping past the end leaves nothing.
        FileReadLimits skip = Limits(4);
        skip.Skip = 6;
        r = ReadFileBounded(path, skip);
        QCOMPARE(r.Status, FileReadStatus::Ok);
        QCOMPARE(r.Bytes, std::string("6789"));
        skip.Skip = 50;
        r = ReadFileBounded(path, skip);
        QCOMPARE(r.Status, FileReadStatus::Ok);
        QVERIFY(r.Bytes.empty());
    }

    void whatIsNotAReadableFile() {
        QCOMPARE(ReadFileBounded(TempDir() + "/nothing-here", Limits(10)).Status,
                 FileReadStatus::Missing);
        QCOMPARE(ReadFileBounded(TempDir() + "/nothing-here/x", Limits(10)).Status,
                 FileReadStatus::Missing);
        const FileReadResult dir = ReadFileBounded(TempDir(), Limits(10));
        QCOMPARE(dir.Status, FileReadStatus::IsDirectory);
        QCOMPARE(FileReadMessage(dir, "/x/y", Limits(10)),
                 std::string("\"/x/y\" ist ein Verzeichnis und keine Datei."));
        if (::geteuid() != 0) {
            const std::string path = WriteTemp("locked.bin", "x");
            ::chmod(path.c_str(), 0);
            const FileReadResult locked = ReadFileBounded(path, Limits(10));
            QCOMPARE(locked.Status, FileReadStatus::CannotOpen);
            QCOMPARE(FileReadMessage(locked, "a", Limits(10)),
                     std::string("Die Datei \"a\" kann nicht geöffnet werden."));
        }
    }

    void endlessDevicesStopAtTheLimit() {
        const FileReadResult r = ReadFileBounded("/dev/zero", Limits(1000000));
        QCOMPARE(r.Status, FileReadStatus::TooLarge);
        QCOMPARE(FileReadMessage(r, "/dev/zero", Limits(1000000)),
                 std::string("Die Datei \"/dev/zero\" ist zu groß (höchstens 1000000 Bytes)."));
    }

    void pipesAreReadToTheirEnd() {
        // Larger than a pipe's buffer, and arriving after a pause.
        std::string bytes(300000, 'a');
        bytes.back() = 'z';
        FedPipe pipe(bytes, 100);
        FileReadLimits skip = Limits(1000000);
        skip.Skip = 299990;
        const FileReadResult r = ReadFileBounded(pipe.Path(), skip);
        QCOMPARE(r.Status, FileReadStatus::Ok);
        QCOMPARE(r.Bytes, std::string("aaaaaaaaaz"));
        FedPipe big(std::string(5000, 'b'));
        QCOMPARE(ReadFileBounded(big.Path(), Limits(4999)).Status, FileReadStatus::TooLarge);
    }

    void namedPipeWithoutWriterEndsAfterTheWait() {
        const std::string path = Fifo("nobody.fifo");
        QElapsedTimer t;
        t.start();
        const FileReadResult r = ReadFileBounded(path, Limits(100, 300));
        QCOMPARE(r.Status, FileReadStatus::TimedOut);
        QVERIFY(t.elapsed() >= 250);
        QVERIFY(!FileReadMessage(r, path, Limits(100)).empty());
        // A writer that comes within the wait is read.
        std::thread writer([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            const int fd = ::open(path.c_str(), O_WRONLY);
            if (fd < 0) return;
            (void)!::write(fd, "abc", 3);
            ::close(fd);
        });
        const FileReadResult late = ReadFileBounded(path, Limits(100, 5000));
        writer.join();
        QCOMPARE(late.Status, FileReadStatus::Ok);
        QCOMPARE(late.Bytes, std::string("abc"));
    }

    void aTricklingStreamEndsAfterTheTotalTime() {
        int fds[2];
        QCOMPARE(::pipe(fds), 0);
        std::atomic<bool> stop{false};
        std::thread writer([&] {
            while (!stop) {
                if (::write(fds[1], "x", 1) != 1) break;
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });
        FileReadLimits l = Limits(1000000, 200);
        l.TotalMs = 400;
        const FileReadResult r = ReadFileBounded("/proc/self/fd/" + std::to_string(fds[0]), l);
        stop = true;
        ::close(fds[0]);
        writer.join();
        ::close(fds[1]);
        QCOMPARE(r.Status, FileReadStatus::TimedOut);
    }

    // The loaders take their bytes from streams as from files.
    void loadersReadPipes() {
        auto src = Sudoku9();
        src->Image.CreatorVersion.set("7.46");
        auto p = NewPuzzle();
        QImage picture;
        {
            FedPipe pipe(PuzzleFileBytes(src->Image, "7.46"));
            QCOMPARE(LoadPuzzleFile(*p, picture, pipe.Path()), LoadResult::Loaded);
            QCOMPARE(p->Image.PuzzleKind, 14);
        }
        {
            std::string exe(static_cast<std::size_t>(ModuleOffset), '\0');
            exe += ModuleBytes(src->Image, WithCrLf("[Raetsel_Layout]\nFeldgroesse=44\n"));
            FedPipe pipe(exe);
            Settings s;
            SetDefaultSettings(s, p->Image);
            QCOMPARE(LoadModule(*p, s, picture, pipe.Path()), LoadResult::Loaded);
            QCOMPARE(s.Feldgroesse, 44);
        }
        // A named pipe nobody writes to: the read-failure result, not a hang.
        QCOMPARE(LoadPuzzleFile(*p, picture, Fifo("load.fifo")), LoadResult::ReadError);
    }

    // Nothing is read beyond a header that is not a puzzle's: the rest stays in
    // the pipe, and an endless device is not read to the limit.
    void aWrongHeaderEndsTheRead() {
        auto p = NewPuzzle();
        QImage picture;
        FedPipe file(std::string(1000, 'x'));
        QCOMPARE(LoadPuzzleFile(*p, picture, file.Path()), LoadResult::NotAPuzzle);
        QCOMPARE(file.Unread(), std::size_t(1000 - HeaderSize));
        FedPipe module(std::string(static_cast<std::size_t>(ModuleOffset) + 100, 'x'));
        Settings s;
        QCOMPARE(LoadModule(*p, s, picture, module.Path()), LoadResult::NotAPuzzle);
        QCOMPARE(module.Unread(), std::size_t(100 - HeaderSize));
        QCOMPARE(LoadPuzzleFile(*p, picture, "/dev/zero"), LoadResult::NotAPuzzle);
    }

    void writesAreWholeOrNothing() {
        const std::string dir = TempDir() + "/schreiben";
        QCOMPARE(::mkdir(dir.c_str(), 0700), 0);
        const std::string target = dir + "/ziel.bin", link = dir + "/verweis";
        std::string reason;
        QVERIFY(WriteFileWhole(target, "alt", reason));
        QCOMPARE(::chmod(target.c_str(), 0640), 0);
        QCOMPARE(::symlink(target.c_str(), link.c_str()), 0);
        // Through a link the file it leads to is replaced; link and permissions stay.
        QVERIFY(WriteFileWhole(link, "neu", reason));
        QCOMPARE(ReadFileBounded(target, Limits(10)).Bytes, std::string("neu"));
        struct stat st {};
        QVERIFY(::lstat(link.c_str(), &st) == 0 && S_ISLNK(st.st_mode));
        QVERIFY(::stat(target.c_str(), &st) == 0 && (st.st_mode & 0777) == 0640);
        QVERIFY(SameRegularFile(link, target));
        QVERIFY(!SameRegularFile("/dev/null", "/dev/null"));
        // A failure says why and leaves nothing behind.
        QVERIFY(!WriteFileWhole("/dev/full", "x", reason));
        QCOMPARE(reason, std::string("kein Platz mehr auf dem Datenträger"));
        QVERIFY(!WriteFileWhole(dir + "/fehlt/x.bin", "x", reason));
        QCOMPARE(reason, std::string("den Ordner gibt es nicht"));
        QVERIFY(!WriteFileWhole(dir, "x", reason));
        QCOMPARE(reason, std::string("das ist ein Ordner"));
        QCOMPARE(QDir(QString::fromStdString(dir))
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                     .size(),
                 2);
    }
};

QTEST_GUILESS_MAIN(FileReadTest)
#include "test_fileread.moc"
