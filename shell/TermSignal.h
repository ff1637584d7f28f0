// SIGTERM as an ordinary event: the handler only writes a byte into a pipe
// (all a signal handler may safely do); the GUI thread reads it and runs the
// given action, then leaves every event loop, modal ones included.
#pragma once

#include <functional>

class QObject;

// Installs the handler once; `beforeQuit` runs on the GUI thread.
void QuitOnTerminate(QObject* owner, std::function<void()> beforeQuit);
