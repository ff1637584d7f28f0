#include "ProgressStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
QString XdgFolder(const char* variable, const char* fallback) {
    // Relative values are to be ignored, as the base-directory rules say.
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value)) return value;
    return QDir::homePath() + QLatin1Char('/') + QLatin1String(fallback);
}

const char* FaultWord(ProgressFault fault) {
    switch (fault) {
    case ProgressFault::Newer:
        return "neuer";
    case ProgressFault::Foreign:
        return "fremd";
    case ProgressFault::Damaged:
    case ProgressFault::None:
        break;
    }
    return "beschaedigt";
}
} // namespace

QString ProgressFolder() {
    return XdgFolder("XDG_STATE_HOME", ".local/state") + QStringLiteral("/zoruvidedid");
}

QString SettingsFile() {
    return XdgFolder("XDG_CONFIG_HOME", ".config") + QStringLiteral("/zoruvidedid/zoruvidedid.ini");
}

QString ProgressLoad::StatusText() const {
    switch (What) {
    case Outcome::Fresh:
        return {};
    case Outcome::Restored:
        return QStringLiteral("Fortschritt vom %1 wiederhergestellt")
            .arg(SavedAt.toLocalTime().toString(QStringLiteral("dd.MM.yyyy, HH:mm:ss")));
    case Outcome::SetAside:
        return QStringLiteral("Gespeicherter Fortschritt nicht verwendbar (%1), beiseitegelegt "
                              "als „%2“; das Rätsel beginnt neu")
            .arg(Reason, AsideName);
    }
    return {};
}

ProgressStore::ProgressStore(std::uint64_t key, QString folder)
    : key_(key), folder_(std::move(folder)),
      path_(folder_ + QLatin1Char('/') + QString::fromStdString(PuzzleKeyText(key)) +
            QStringLiteral(".progress")),
      writer_([this] { Run(); }) {}

ProgressStore::~ProgressStore() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    writer_.join();
}

ProgressLoad ProgressStore::Load(const PuzzleImage& original, PuzzleImage& image,
                                 ProgressExtras& extras) {
    ProgressLoad load;
    QFile file(path_);
    if (!file.exists() || !file.open(QIODevice::ReadOnly)) return load;
    const QByteArray data = file.readAll();
    file.close();
    const ProgressRead read =
        DecodeProgress({reinterpret_cast<const std::uint8_t*>(data.constData()),
                        static_cast<std::size_t>(data.size())},
                       key_, original, image, extras);
    if (read.ok()) {
        load.What = ProgressLoad::Outcome::Restored;
        load.SavedAt = QDateTime::fromMSecsSinceEpoch(read.SavedAtMs, Qt::UTC);
        return load;
    }
    // Set aside under a name no later run reads, and never over an older one.
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside =
        path_ + QLatin1Char('.') + QLatin1String(FaultWord(read.Fault)) + QLatin1Char('-') + stamp;
    for (int n = 2; QFile::exists(aside); ++n)
        aside = path_ + QLatin1Char('.') + QLatin1String(FaultWord(read.Fault)) + QLatin1Char('-') +
                stamp + QLatin1Char('-') + QString::number(n);
    if (!QFile::rename(path_, aside)) aside.clear();
    load.What = ProgressLoad::Outcome::SetAside;
    load.Reason = QString::fromStdString(read.Reason);
    load.AsideName = aside.isEmpty() ? path_ : QFileInfo(aside).fileName();
    return load;
}

void ProgressStore::Post(std::vector<std::uint8_t> bytes) {
    {
        std::lock_guard lock(mutex_);
        pending_ = std::move(bytes);
    }
    wake_.notify_all();
}

bool ProgressStore::Flush() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return !pending_ && !busy_; });
    const bool ok = !failed_;
    failed_ = false;
    return ok;
}

void ProgressStore::Remove() {
    {
        std::unique_lock lock(mutex_);
        pending_.reset();
        idle_.wait(lock, [this] { return !busy_; });
    }
    QFile::remove(path_);
}

void ProgressStore::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stop_ || pending_; });
        if (!pending_) return; // stopping with nothing left to write
        std::vector<std::uint8_t> bytes = std::move(*pending_);
        pending_.reset();
        busy_ = true;
        lock.unlock();
        const bool ok = Write(bytes);
        lock.lock();
        busy_ = false;
        if (!ok) failed_ = true;
        idle_.notify_all();
    }
}

bool ProgressStore::Write(const std::vector<std::uint8_t>& bytes) {
    if (!QDir().mkpath(folder_)) return false;
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
