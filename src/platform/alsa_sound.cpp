#include "alsa_sound.h"

#include "wave_file.h"

#include <QLoggingCategory>
#include <alsa/asoundlib.h>
#include <atomic>
#include <condition_variable>
#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <thread>

Q_LOGGING_CATEGORY(lcSound, "keyvane.sound", QtWarningMsg)

namespace {

constexpr unsigned kLatencyUs = 100000; // the device buffer; a click starts within it
constexpr int kDrainPollMs = 5;

// The audio library prints its complaints (no card, no server) on stderr; they belong in our log.
void QuietErrors(const char* file, int line, const char* function, int err, const char* fmt, ...)
{
    char text[256];
    va_list args;
    va_start(args, fmt);
    vsnprintf(text, sizeof text, fmt, args);
    va_end(args);
    qCDebug(lcSound) << "audio:" << file << line << function << err << text;
}

class AlsaWave : public IWaveSound {
  public:
    AlsaWave(snd_pcm_t* pcm, TWaveData wave) : pcm_(pcm), wave_(std::move(wave))
    {
        worker_ = std::thread([this] { Run(); });
    }
    ~AlsaWave() override
    {
        {
            std::lock_guard lock(mutex_);
            quit_ = true;
        }
        wake_.notify_one();
        worker_.join();
        snd_pcm_close(pcm_);
    }
    bool CanPlay() override { return true; }
    bool Playing() override { return playing_.load(); }
    void Rewind() override {} // every play starts from the first frame
    void Play() override
    {
        {
            std::lock_guard lock(mutex_);
            if (playing_.load())
                return;
            playing_ = true;
            requested_ = true;
        }
        wake_.notify_one();
    }

  private:
    // The worker owns the stream: only it touches pcm_ between construction and destruction.
    void Run()
    {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return requested_ || quit_; });
            if (quit_)
                return;
            requested_ = false;
            lock.unlock();
            PlayOnce();
            playing_ = false;
            lock.lock();
        }
    }

    bool Quitting()
    {
        std::lock_guard lock(mutex_);
        return quit_;
    }

    void PlayOnce()
    {
        // A failure while playing is swallowed: the sound is simply cut short.
        if (snd_pcm_prepare(pcm_) < 0)
            return;
        const std::size_t frameBytes = static_cast<std::size_t>(wave_.FrameBytes());
        const snd_pcm_uframes_t chunk = static_cast<snd_pcm_uframes_t>(wave_.sampleRate / 50);
        std::size_t done = 0;
        const std::size_t total = wave_.FrameCount();
        while (done < total && !Quitting()) {
            const snd_pcm_uframes_t count = std::min<snd_pcm_uframes_t>(chunk, total - done);
            snd_pcm_sframes_t written = snd_pcm_writei(pcm_, wave_.samples.data() + done * frameBytes, count);
            if (written < 0)
                written = snd_pcm_recover(pcm_, static_cast<int>(written), 1);
            if (written < 0)
                return;
            done += static_cast<std::size_t>(written);
        }
        // A sound shorter than the device buffer never reaches the threshold that starts the stream on
        // its own (a click is 40 ms, the buffer 100 ms): start it, or dropping below would discard it.
        if (snd_pcm_state(pcm_) == SND_PCM_STATE_PREPARED)
            snd_pcm_start(pcm_);
        // Wait for the buffered tail to sound, without blocking the way out when the program ends.
        snd_pcm_sframes_t delay = 0;
        while (!Quitting() && snd_pcm_state(pcm_) == SND_PCM_STATE_RUNNING &&
               snd_pcm_delay(pcm_, &delay) == 0 && delay > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(kDrainPollMs));
        snd_pcm_drop(pcm_);
    }

    snd_pcm_t* pcm_;
    const TWaveData wave_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool requested_ = false;
    bool quit_ = false;
    std::atomic<bool> playing_{false};
    std::thread worker_;
};

class AlsaSoundDevice : public ISoundDevice {
  public:
    AlsaSoundDevice() { snd_lib_error_set_handler(QuietErrors); }

    std::unique_ptr<IWaveSound> Open(const std::string& fileName, bool& deviceError) override
    {
        deviceError = false;
        std::optional<TWaveData> wave = ReadWaveFile(fileName);
        if (!wave) {
            // The device refuses a file that is not a wave it can play, and the program then runs silent.
            qCWarning(lcSound) << "not a playable wave file:" << fileName.c_str();
            deviceError = true;
            return nullptr;
        }
        snd_pcm_t* pcm = nullptr;
        int err = snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0);
        if (err == 0) {
            const snd_pcm_format_t format =
                wave->bitsPerSample == 8 ? SND_PCM_FORMAT_U8 : SND_PCM_FORMAT_S16_LE;
            err = snd_pcm_set_params(pcm, format, SND_PCM_ACCESS_RW_INTERLEAVED,
                                     static_cast<unsigned>(wave->channels),
                                     static_cast<unsigned>(wave->sampleRate), 1, kLatencyUs);
            if (err < 0)
                snd_pcm_close(pcm);
        }
        if (err < 0) {
            qCWarning(lcSound) << "no sound device, the program runs silent:" << snd_strerror(err);
            deviceError = true;
            return nullptr;
        }
        return std::make_unique<AlsaWave>(pcm, std::move(*wave));
    }
};

} // namespace

std::unique_ptr<ISoundDevice> MakeAlsaSoundDevice()
{
    return std::make_unique<AlsaSoundDevice>();
}
