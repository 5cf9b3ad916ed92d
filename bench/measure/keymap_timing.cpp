// kv-keymap-timing: what opening the progress view spends on its keyboard, which is read from the X
// server each time the view opens: the keymap read over the program's X connection and turned into the
// drawn keys. Run on an X display (DISPLAY); prints the first read, the median of 21 more, and the
// median of the same labels compiled from the layout's names for comparison, all in one run.
#include "keyboard_layout.h"
#include "keyboard_map.h"

#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double Ms(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(int repeats, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i)
        times.push_back(Ms(work));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    std::size_t keys = 0;
    const auto read = [&] { keys = KeyboardOf(XKeyboardLabels()).size(); };
    const double first = Ms(read);
    const double median = Median(21, read);
    const double named = Median(21, [] { NamedLayoutLabels("de"); });
    std::printf("keys drawn: %zu\nfirst read from the X server: %.2f ms\nmedian of 21 reads: %.2f ms\n"
                "median of 21 compilations of \"de\" from its names: %.2f ms\n",
                keys, first, median, named);
    return keys == 0 ? 1 : 0;
}
