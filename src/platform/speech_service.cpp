#include "speech_service.h"

#include "code_page.h"
#include "translation.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDateTime>
#include <QLoggingCategory>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>

#include <libspeechd.h>

// "say" lines at debug level give each text's wall-clock time in ms, which the speech check and the
// measuring script compare with the time the service received it.
Q_LOGGING_CATEGORY(lcSpeech, "keyvane.speech", QtInfoMsg)

namespace {

class TSpeechDispatcher : public ISpeech {
  public:
    ~TSpeechDispatcher() override
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_one();
        if (worker_.joinable())
            worker_.join();
    }

    void Say(const std::string& text) override { Queue(ToUtf8(text), false); }
    void SayCharacter(char c) override { Queue(ToUtf8(std::string(1, c)), true); }

    bool ScreenReaderRunning() override
    {
        // The accessibility bus tells whether a screen reader is running; no session bus means none.
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return false;
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        call << QStringLiteral("org.a11y.Status") << QStringLiteral("ScreenReaderEnabled");
        const QDBusMessage reply = bus.call(call, QDBus::Block, 1000);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return false;
        return reply.arguments().first().value<QDBusVariant>().variant().toBool();
    }

  private:
    struct TItem {
        std::string utf8;
        bool character;
    };

    static std::string ToUtf8(const std::string& cp1252) { return FromCp1252(cp1252).toStdString(); }

    void Queue(std::string utf8, bool character)
    {
        if (utf8.empty())
            return;
        qCDebug(lcSpeech, "say %lld %s", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()),
                utf8.c_str());
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (unavailable_)
                return;
            queue_.push_back({std::move(utf8), character});
            if (!worker_.joinable())
                worker_ = std::thread([this] { Work(); });
        }
        wake_.notify_one();
    }

    void Work()
    {
        char* error = nullptr;
        SPDConnection* connection =
            spd_open2("keyvane-games", "main", nullptr, SPD_MODE_SINGLE, nullptr, 1, &error);
        if (!connection) {
            qCInfo(lcSpeech, "no speech service, the game is not spoken: %s", error ? error : "no answer");
            std::free(error);
            std::lock_guard<std::mutex> lock(mutex_);
            unavailable_ = true;
            queue_.clear();
            return;
        }
        std::free(error);
        for (;;) {
            TItem item;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
                if (stopping_)
                    break;
                item = std::move(queue_.front());
                queue_.pop_front();
            }
            const int sent = item.character ? spd_char(connection, SPD_TEXT, item.utf8.c_str())
                                            : spd_say(connection, SPD_TEXT, item.utf8.c_str());
            if (sent < 0 && !reportedFailure_) {
                reportedFailure_ = true;
                qCInfo(lcSpeech, "the speech service refused a text");
            }
        }
        spd_close(connection);
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<TItem> queue_;
    std::thread worker_;
    bool stopping_ = false;
    bool unavailable_ = false;
    bool reportedFailure_ = false;
};

std::optional<bool> gSpeechOn;

} // namespace

std::unique_ptr<ISpeech> MakeSpeechDispatcher()
{
    return std::make_unique<TSpeechDispatcher>();
}

bool SpeechOn()
{
    if (!gSpeechOn)
        gSpeechOn = Platform::Speech().ScreenReaderRunning();
    return *gSpeechOn;
}

void SetSpeechOn(bool on)
{
    gSpeechOn = on;
}

void ToggleSpeech()
{
    // Said while speech is on: the first words when it is turned on, the last ones before it goes off.
    if (SpeechOn()) {
        Platform::Speech().Say(Tr("Speech", "Speech off."));
        SetSpeechOn(false);
    } else {
        SetSpeechOn(true);
        Speak(Tr("Speech", "Speech on."));
    }
}

void Speak(const std::string& text)
{
    if (!text.empty() && SpeechOn())
        Platform::Speech().Say(text);
}

void SpeakCharacter(char c)
{
    if (c != 0 && SpeechOn())
        Platform::Speech().SayCharacter(c);
}

void ResetSpeechChoice()
{
    gSpeechOn.reset();
}
