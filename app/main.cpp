// Program entry: the application title, the windows in their fixed order, one
// round of pending events, then the message loop until the frame closes.
#include "Hauptformular.h"
#include "HinweisDialog.h"
#include "Session.h"
#include "Startup.h"
#include "TermSignal.h"

#include <QApplication>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const CommandLine line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (line.What != CommandLine::Action::Play) {
        const std::string text =
            line.What == CommandLine::Action::Usage ? UsageText() : VersionText();
        std::fputs(text.c_str(), stdout);
        return 0;
    }
    const std::vector<std::string>& parameters = line.Parameters;
    // Without a screen the player must not fail silently: it says what it loaded.
    if (!DisplayAvailable()) return ReportWithoutDisplay(parameters);

    // Qt sees the program name only: every argument is part of the file name,
    // so a puzzle named like one of Qt's own options (-style, -platform) still opens.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    // The title only: a display name would be appended to every dialog caption.
    QApplication::setApplicationName("Zoruvidedid");
    UseGermanLanguage();
    auto session = std::make_unique<PuzzleSession>();
    const PlayerWindows windows = CreatePlayerWindows(*session, parameters);
    std::unique_ptr<TRMMainForm> frame(windows.Frame);
    // Ended from outside, the player still keeps the progress (written as the
    // frame goes).
    QuitOnTerminate(&app, {});
    QApplication::processEvents();
    // The frame loads its puzzle only once it is shown and its start-up message comes.
    frame->show();
    const int rc = QApplication::exec();
    frame.reset();
    delete THintForm::Current();
    return rc;
}
