// Launch to first painted board, against a bare Qt main window.
//
// Runs on an X server (bench/startup/startup_bench.sh starts one). The two
// programs are started in turn; each time counts until a probe pixel inside
// the board's grid (for the bare window: the same pixel of its white content)
// turns white. One-pixel grabs keep the probe from slowing what it measures.
//
// bench_startup_probe RUNS BARE [ARGS...] -- PLAYER [ARGS...]
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
const QPoint Probe(85, 185); // below menu, tool bar and the board's tool bar

bool ProbeIsWhite() {
    const QImage pixel =
        QGuiApplication::primaryScreen()->grabWindow(0, Probe.x(), Probe.y(), 1, 1).toImage();
    return !pixel.isNull() && (pixel.pixel(0, 0) & 0xFFFFFF) == 0xFFFFFF;
}

// Milliseconds until the probe turns white, or a negative value on failure.
double Launch(const QStringList& command) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(command.first(), command.mid(1));
    double ms = -1;
    while (clock.elapsed() < 20000) {
        if (ProbeIsWhite()) {
            ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            break;
        }
        if (process.state() == QProcess::NotRunning) break;
        QThread::usleep(500);
    }
    process.kill();
    process.waitForFinished();
    // The next run starts on an empty screen.
    while (ProbeIsWhite()) QThread::msleep(5);
    return ms;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}
} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype split = args.indexOf("--");
    if (args.size() < 5 || split < 3 || split + 1 >= args.size()) {
        std::fprintf(stderr, "usage: %s RUNS BARE [ARGS...] -- PLAYER [ARGS...]\n", argv[0]);
        return 2;
    }
    const int runs = args[1].toInt();
    const QStringList bare = args.mid(2, split - 2);
    const QStringList player = args.mid(split + 1);
    // One run each first, so that both start from a warm file cache.
    if (Launch(bare) < 0 || Launch(player) < 0) {
        std::fprintf(stderr, "a program did not paint the probe pixel\n");
        return 1;
    }
    std::vector<double> bareTimes, playerTimes;
    for (int i = 0; i < runs; ++i) {
        bareTimes.push_back(Launch(bare));
        playerTimes.push_back(Launch(player));
    }
    auto report = [](const char* name, const std::vector<double>& t) {
        std::printf("%-7s median %6.1f ms  min %6.1f ms  max %6.1f ms\n", name, Median(t),
                    *std::min_element(t.begin(), t.end()), *std::max_element(t.begin(), t.end()));
    };
    report("bare", bareTimes);
    report("player", playerTimes);
    std::printf("ratio player / bare: %.2f\n", Median(playerTimes) / Median(bareTimes));
    return 0;
}
