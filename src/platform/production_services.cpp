#include "production_services.h"

#include "code_page.h"
#include "day_count.h"
#include "file_system.h"
#include "timer.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>
#include <chrono>
#include <random>
#include <sys/prctl.h>
#include <thread>

Q_LOGGING_CATEGORY(lcShell, "keyvane.shell")

namespace {

class SystemClock : public IClock {
  public:
    // The kernel may let a sleep run 50 microseconds long by default, to wake several sleepers at once;
    // the loops sleep 1 or 5 ms hundreds of times a second and time the game steps by those sleeps,
    // so the program's thread asks for its sleeps to end on time.
    SystemClock() { ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL); }
    std::uint32_t TickCount() override
    {
        using namespace std::chrono;
        const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
        return static_cast<std::uint32_t>(ms);
    }
    double Now() override
    {
        const QDateTime now = QDateTime::currentDateTime();
        const double localMs = static_cast<double>(now.toMSecsSinceEpoch()) + now.offsetFromUtc() * 1000.0;
        return localMs / 86400000.0 + kUnixEpochDay;
    }
    void SleepMs(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
};

class QtEventPump : public IEventPump {
  public:
    void ProcessMessages() override { DeliverPendingMessages(); }
    bool Terminated() override { return terminated_; }
    void Terminate() override { terminated_ = true; }

  private:
    bool terminated_ = false;
};

class SystemRandom : public IRandom {
  public:
    SystemRandom() { Randomize(); }
    int Random(int n) override
    {
        if (n <= 0)
            return 0;
        return std::uniform_int_distribution<int>(0, n - 1)(engine_);
    }
    double Random() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }
    void Randomize() override
    {
        engine_.seed(static_cast<std::mt19937::result_type>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    }

  private:
    std::mt19937 engine_;
};

// The program's texts break their lines as the original message boxes took them: LF CR in error
// reports, a lone CR in the screen warning. A box here would show LF CR as two breaks, an empty line
// between message and detail; every pair or lone CR becomes one line feed.
QString BoxText(const std::string& text)
{
    QString shown = FromCp1252(text);
    shown.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

class MessageBoxDialogs : public IDialogs {
  public:
    void Message(const std::string& text, const std::string& caption, TMsgKind kind) override
    {
        QMessageBox box(Icon(kind), FromCp1252(caption), BoxText(text), QMessageBox::Ok,
                        QApplication::activeWindow());
        box.exec();
    }
    bool Question(const std::string& text, const std::string& caption) override
    {
        QMessageBox box(QMessageBox::Question, FromCp1252(caption), BoxText(text),
                        QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
        return box.exec() == QMessageBox::Yes;
    }

  private:
    static QMessageBox::Icon Icon(TMsgKind kind)
    {
        switch (kind) {
        case TMsgKind::Warning:
            return QMessageBox::Warning;
        case TMsgKind::Error:
            return QMessageBox::Critical;
        default:
            return QMessageBox::Information;
        }
    }
};

class DesktopShell : public IShell {
  public:
    explicit DesktopShell(TViewerCheck canOpen) : canOpen_(std::move(canOpen)) {}

    int OpenDocument(const std::string& file, const std::string&, const std::string& folder) override
    {
        // Names of existing files match without regard to case, as everywhere in the file layer.
        const std::string name = folder.empty() ? file : folder + '/' + file;
        const QFileInfo info(QFile::decodeName(QByteArray::fromStdString(FileSystem::NativePath(name))));
        if (!info.exists())
            return 2; // file not found
        const std::string mime = QMimeDatabase().mimeTypeForFile(info).name().toStdString();
        if (canOpen_ && !canOpen_(mime)) {
            qCWarning(lcShell) << "no application for" << mime.c_str() << "to open"
                               << info.absoluteFilePath();
            return 31; // no association
        }
        // A local-file URL, never a shell command line: the name cannot smuggle in arguments.
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()))) {
            qCWarning(lcShell) << "no application opened" << info.absoluteFilePath();
            return 31; // no association
        }
        return 42;
    }

    std::string Where(const std::string& file) override
    {
        const QFileInfo info(QFile::decodeName(QByteArray::fromStdString(FileSystem::NativePath(file))));
        return ToCp1252(QDir::toNativeSeparators(info.absoluteFilePath()));
    }

  private:
    TViewerCheck canOpen_;
};

class QtScreen : public IScreen {
  public:
    double ScaleFactor() override
    {
        const QScreen* s = QGuiApplication::primaryScreen();
        return s ? s->devicePixelRatio() : 1.0;
    }
    int FullScreenClientWidth() override
    {
        const QScreen* s = QGuiApplication::primaryScreen();
        return s ? s->availableGeometry().width() : 0;
    }
    int Width() override
    {
        const QScreen* s = QGuiApplication::primaryScreen();
        return s ? s->geometry().width() : 0;
    }
    int Height() override
    {
        const QScreen* s = QGuiApplication::primaryScreen();
        return s ? s->geometry().height() : 0;
    }
    int PixelsPerInch() override
    {
        const QScreen* s = QGuiApplication::primaryScreen();
        return s ? qRound(s->logicalDotsPerInch()) : 96;
    }
};

// The output of a short helper program, or empty when it cannot be run or fails.
QString HelperOutput(const QString& program, const QStringList& args)
{
    QProcess helper;
    helper.start(program, args, QIODevice::ReadOnly);
    if (!helper.waitForFinished(3000)) {
        helper.kill();
        helper.waitForFinished(500);
        return {};
    }
    return helper.exitStatus() == QProcess::NormalExit && helper.exitCode() == 0
               ? QString::fromLocal8Bit(helper.readAllStandardOutput()).trimmed()
               : QString();
}

} // namespace

void DeliverPendingMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // Objects released with deleteLater() are freed only when deferred deletes are sent explicitly.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::unique_ptr<IClock> MakeSystemClock()
{
    return std::make_unique<SystemClock>();
}
std::unique_ptr<IEventPump> MakeQtEventPump()
{
    return std::make_unique<QtEventPump>();
}
std::unique_ptr<IRandom> MakeSystemRandom()
{
    return std::make_unique<SystemRandom>();
}
std::unique_ptr<IDialogs> MakeMessageBoxDialogs()
{
    return std::make_unique<MessageBoxDialogs>();
}
bool DesktopHasViewer(const std::string& mimeType)
{
    // The desktop's opener is xdg-open; without it nothing opens at all.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return false;
    const QString mime = QString::fromStdString(mimeType);
    if (!HelperOutput(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), mime})
             .isEmpty())
        return true;
    // Web pages go on to a browser that xdg-open finds by itself.
    if (mime != QStringLiteral("text/html") && mime != QStringLiteral("application/xhtml+xml"))
        return false;
    if (!qEnvironmentVariableIsEmpty("BROWSER"))
        return true;
    for (const char* browser :
         {"x-www-browser", "www-browser", "firefox", "chromium", "epiphany", "konqueror"})
        if (!QStandardPaths::findExecutable(QString::fromLatin1(browser)).isEmpty())
            return true;
    return false;
}

std::unique_ptr<IShell> MakeDesktopShell(TViewerCheck canOpen)
{
    return std::make_unique<DesktopShell>(std::move(canOpen));
}
std::unique_ptr<IScreen> MakeQtScreen()
{
    return std::make_unique<QtScreen>();
}
