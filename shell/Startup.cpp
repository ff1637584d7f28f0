#include "Startup.h"

#include "Container.h"
#include "Cp1252.h"
#include "Hauptformular.h"
#include "Loading.h"
#include "Session.h"
#include "TextUtil.h"

#include <QCoreApplication>
#include <QImage>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <memory>

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    bool options = true;
    for (const std::string& a : arguments) {
        if (options && a == "--") {
            options = false;
        } else if (options && (a == "--help" || a == "--version")) {
            // The first option asked for wins; nothing is loaded then.
            if (line.What == CommandLine::Action::Play)
                line.What =
                    a == "--help" ? CommandLine::Action::Usage : CommandLine::Action::Version;
        } else {
            line.Parameters.push_back(a);
        }
    }
    return line;
}

std::string UsageText() {
    return "Aufruf: zoruvidedid [--] [RÄTSELDATEI]\n"
           "       zoruvidedid --help | --version\n"
           "\n"
           "Spielt die genannte Rätseldatei (.zvr, .puz, .ipuz), ohne Datei das Rätsel im\n"
           "Programm selbst; enthält das Programm keines, lässt es eines zum Öffnen wählen.\n"
           "Mehrere Argumente ergeben, mit Leerzeichen verbunden, einen Dateinamen.\n"
           "\n"
           "  --help     diese Hilfe zeigen\n"
           "  --version  die Version zeigen\n"
           "  --         Ende der Optionen: alles Weitere ist der Dateiname\n";
}

std::string VersionText() {
    return "zoruvidedid " ZORU_VERSION "\n";
}

PlayerWindows CreatePlayerWindows(PuzzleSession& session, std::vector<std::string> parameters) {
    PlayerWindows w;
    w.Frame = new TRMMainForm(session, std::move(parameters));
    return w;
}

bool UseGermanLanguage() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCoreApplication* app = QCoreApplication::instance();
    const QString name = QStringLiteral("qtbase_de");
    if (app->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly)) return true;
    auto translator = std::make_unique<QTranslator>();
    // Only the base catalogue: the player uses nothing beyond Qt's widgets.
    if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return false;
    translator->setObjectName(name);
    translator->setParent(app);
    QCoreApplication::installTranslator(translator.release());
    return true;
}

bool DisplayAvailable() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return std::string(platform) != "offscreen";
    const char* x = std::getenv("DISPLAY");
    const char* w = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (w && *w);
}

int ReportWithoutDisplay(const std::vector<std::string>& parameters) {
    const std::string executable = OwnExecutablePath();
    if (parameters.empty() && !CarriesModule(executable)) {
        // Installed without a puzzle: on a screen the chooser would open.
        std::fprintf(stderr,
                     "Kein Rätsel angegeben, und \"%s\" enthält keines. "
                     "Aufruf: zoruvidedid RÄTSELDATEI\n",
                     EscapeControlChars(executable).c_str());
        return 1;
    }
    auto session = std::make_unique<PuzzleSession>();
    SetDefaultSettings(session->settings, session->image());
    QImage picture;
    LoadOutcome outcome;
    try {
        outcome =
            LoadPuzzleFrom(session->puzzle, session->settings, picture, parameters, executable);
    } catch (const LoadError& e) {
        std::fprintf(stderr, "Fehler: %s\n", EscapeControlChars(e.what()).c_str());
        return 1;
    }
    std::fprintf(stderr, "Kein Bildschirm verf\xC3\xBC"
                         "gbar: das R\xC3\xA4tsel wird nicht "
                         "angezeigt.\n");
    if (!LoadSucceeded(outcome.Result)) {
        // The file name and a refused file's reason come from outside; the
        // terminal must not obey them.
        std::fprintf(stderr, "%s\n", EscapeControlChars(LoadFailureMessage(outcome)).c_str());
        return 1;
    }
    const PuzzleImage& image = session->image();
    std::fprintf(stderr, "Geladen: %s (%d \xC3\x97 %d, %d Begriffe) \"%s\"\n",
                 Cp1252ToUtf8(KindName(image.PuzzleKind)).c_str(), image.ColumnCount,
                 image.RowCount, image.WordCount,
                 EscapeControlChars(Cp1252ToUtf8(image.PuzzleTitle.view())).c_str());
    return 0;
}
