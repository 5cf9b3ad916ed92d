// Measures the processor time of a polling loop with nothing to do, in % of one core:
//   kv-idle-floor sleep <ms>   only the sleep of each pass
//   kv-idle-floor window <ms>  a shown 777 x 529 window whose messages are processed before each sleep
// The program's own loops process messages and sleep 1 ms (menu) or 5 ms (game) per pass, so these are
// the figures they cannot go below.
#include <QApplication>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <sys/resource.h>
#include <thread>

namespace {

double CpuSeconds()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
           static_cast<double>(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

template <typename Pass> void Loop(std::chrono::milliseconds length, int sleepMs, Pass pass)
{
    const auto end = std::chrono::steady_clock::now() + length;
    while (std::chrono::steady_clock::now() < end) {
        pass();
        std::this_thread::sleep_for(std::chrono::milliseconds(sleepMs));
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || (std::strcmp(argv[1], "sleep") != 0 && std::strcmp(argv[1], "window") != 0)) {
        std::fprintf(stderr, "usage: %s sleep|window <sleep ms> [seconds, default 10]\n", argv[0]);
        return 2;
    }
    const bool window = std::strcmp(argv[1], "window") == 0;
    const int sleepMs = std::atoi(argv[2]);
    const int seconds = argc > 3 ? std::atoi(argv[3]) : 10;
    // The sleep-only loop needs no display, so the application exists only for the window.
    std::optional<QApplication> app;
    std::optional<QWidget> book;
    auto process = [] {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    auto nothing = [] {};
    if (window) {
        app.emplace(argc, argv);
        book.emplace();
        book->setFixedSize(777, 529);
        book->show();
        Loop(std::chrono::seconds(2), sleepMs, process); // let the window map and paint
    }
    const double before = CpuSeconds();
    if (window)
        Loop(std::chrono::seconds(seconds), sleepMs, process);
    else
        Loop(std::chrono::seconds(seconds), sleepMs, nothing);
    std::printf("cpu_percent=%.2f\n", (CpuSeconds() - before) * 100.0 / seconds);
    return 0;
}
