#include "display.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// What the toolkit says while it opens the display is held back: when the opening fails, the one plain
// line below replaces its messages; when it succeeds, they are passed on as they came.
struct THeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
std::vector<THeldMessage>* held = nullptr;

void WhileOpening(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        held->push_back({type, context.category ? context.category : "", text});
        return;
    }
    // The toolkit ends the process after a fatal message; it must end here, without the abort.
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    std::string where;
    if (display && *display)
        where = std::string("DISPLAY is \"") + display + "\", but no display server answers there";
    else if (wayland && *wayland)
        where = std::string("WAYLAND_DISPLAY is \"") + wayland + "\", but no display server answers there";
    else
        where = "DISPLAY is not set";
    std::fprintf(stderr,
                 "keyvane-games: no display could be opened (%s); the games need a graphical desktop\n",
                 where.c_str());
    std::fflush(stderr);
    std::_Exit(kNoDisplayStatus);
}

} // namespace

std::unique_ptr<QApplication> OpenDisplay(int& argc, char** argv)
{
    std::vector<THeldMessage> messages;
    held = &messages;
    previousHandler = qInstallMessageHandler(WhileOpening);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    held = nullptr;
    for (const THeldMessage& m : messages) {
        const QMessageLogContext context(nullptr, 0, nullptr, m.category.c_str());
        if (previousHandler)
            previousHandler(m.type, context, m.text);
        else
            qt_message_output(m.type, context, m.text);
    }
    return app;
}
