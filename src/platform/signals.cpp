#include "signals.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <set>
#include <unistd.h>

namespace {

Q_LOGGING_CATEGORY(lcSignals, "keyvane.signals")

constexpr int kEndingSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The write end is used by the handler, which may only touch plain data.
int wakePipe[2] = {-1, -1};
volatile std::sig_atomic_t signalsSeen = 0;

QPointer<QWidget> closingWindow;
// Signals found ignored before the first installation, and those given our handler.
std::set<int> ignoredAtStart;
std::set<int> handled;
std::unique_ptr<QSocketNotifier> notifier;

void OnEndingSignal(int sig)
{
    if (signalsSeen != 0) {
        // The first request is already on its way or the close hangs: end now. The signal is blocked
        // while its handler runs, so the raised one is taken as soon as the handler returns.
        std::signal(sig, SIG_DFL);
        std::raise(sig);
        return;
    }
    signalsSeen = 1;
    const int savedErrno = errno;
    const char byte = static_cast<char>(sig);
    [[maybe_unused]] const ssize_t written = ::write(wakePipe[1], &byte, 1);
    errno = savedErrno;
}

void CloseWindow()
{
    char bytes[16];
    int sig = 0;
    for (ssize_t n; (n = ::read(wakePipe[0], bytes, sizeof bytes)) > 0;)
        sig = bytes[0];
    qCInfo(lcSignals) << "ending signal" << sig << "(" << strsignal(sig) << "): closing the window";
    // A message box waiting for an answer would keep the program from ending: it is dismissed as its
    // Escape key would dismiss it. The window is closed once that box's own loop has returned.
    if (QWidget* box = QApplication::activeModalWidget(); box && box != closingWindow)
        box->close();
    if (closingWindow)
        QMetaObject::invokeMethod(closingWindow.data(), &QWidget::close, Qt::QueuedConnection);
}

bool MakePipe()
{
    if (wakePipe[0] >= 0)
        return true;
    if (::pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        qCWarning(lcSignals) << "no pipe for ending signals:" << std::strerror(errno);
        return false;
    }
    return true;
}

} // namespace

namespace Signals {

bool CloseOnSignals(QWidget* window)
{
    if (!MakePipe())
        return false;
    closingWindow = window;
    if (!notifier) {
        notifier = std::make_unique<QSocketNotifier>(wakePipe[0], QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, [] { CloseWindow(); });
    }
    signalsSeen = 0;
    struct sigaction action = {};
    action.sa_handler = &OnEndingSignal;
    sigemptyset(&action.sa_mask);
    // Interrupted system calls are restarted: the program's file and sleep calls need not see them.
    action.sa_flags = SA_RESTART;
    for (int sig : kEndingSignals) {
        // A signal ignored when the program started stays ignored: "nohup" and a shell's background
        // jobs ask for that.
        struct sigaction before = {};
        if (::sigaction(sig, nullptr, &before) == 0 && before.sa_handler == SIG_IGN &&
            !ignoredAtStart.count(sig) && !handled.count(sig))
            ignoredAtStart.insert(sig);
        if (ignoredAtStart.count(sig))
            continue;
        if (::sigaction(sig, &action, nullptr) != 0)
            return false;
        handled.insert(sig);
    }
    return true;
}

void RestoreDefaults()
{
    for (int sig : handled)
        std::signal(sig, SIG_DFL);
    handled.clear();
    closingWindow = nullptr;
    notifier.reset();
    signalsSeen = 0;
}

} // namespace Signals
