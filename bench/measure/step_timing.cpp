// kv-step-timing: plays Bubbles and then Clouds in the program's own window on the real clock, with
// the program's own platform services, and reports how punctual the game steps were and how long one step
// with its drawing took. A scripted player chooses the games on the menu and plays them with key events
// posted to the main window, so its keys take the same path as a player's.
//
// Usage: kv-step-timing [--seconds N] [--game bubbles|clouds|both] [--speech on|off]
//   (defaults: 20, both, and speech as the program chooses it: on when a screen reader runs)
// It works in its own folder, which holds the vocabularies and sounds in a build's program folder.
// Per game it prints one line:
//   game=.. games=.. steps=.. interval_ms=.. error_median_ms=.. error_p99_ms=.. error_max_ms=..
//   step_median_ms=.. step_p99_ms=..
// where an error is the time between two steps minus the step interval.

#include "book_form.h"
#include "bubbles.h"
#include "chapter_view.h"
#include "cloud_game.h"
#include "code_page.h"
#include "events_stg.h"
#include "games_menu.h"
#include "games_stg.h"
#include "games_view.h"
#include "short_string.h"
#include "sounds.h"
#include "speech_service.h"
#include "system.h"
#include "tmain.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

struct StepLog {
    explicit StepLog(const char* n) : name(n) {}
    const char* name;
    std::vector<double> errors;    // ms between two steps of one game, minus the step interval
    std::vector<double> durations; // ms of one step with its drawing
    std::uint32_t interval = 0;
    int games = 0;
};

// A game of the program that times each of its steps.
template <class Game> class TTimedGame : public Game {
  public:
    TTimedGame(const std::string& description, StepLog& log) : Game(description), log_(log) { ++log_.games; }

    void GameStep() override
    {
        const Clock::time_point start = Clock::now();
        if (previous_)
            log_.errors.push_back(Ms(start - *previous_) - this->StepInterval);
        previous_ = start;
        Game::GameStep();
        // The last step of a game includes the pause of "Game over.", which is no drawing.
        if (this->State == TEvent::kRunning)
            log_.durations.push_back(Ms(Clock::now() - start));
        log_.interval = this->StepInterval;
    }

  private:
    StepLog& log_;
    std::optional<Clock::time_point> previous_;
};

class TTimedGamesMenu : public TGamesMenu {
  public:
    std::unique_ptr<TEvent> CreateGame(std::int32_t Code, const TGamesView& Choices) override
    {
        const std::string description = GameDescription(Code, Choices);
        if (Code == 1) {
            auto game = std::make_unique<TTimedGame<TBubbles>>(description, bubbles);
            game->KeySet = ShortString(Choices.GetBubblesKeys());
            return game;
        }
        if (Code == 3)
            return std::make_unique<TTimedGame<TCloudGame>>(description, clouds);
        return TGamesMenu::CreateGame(Code, Choices);
    }

    StepLog bubbles = StepLog("bubbles");
    StepLog clouds = StepLog("clouds");
};

// Posted, not sent: a key that starts a game runs the game loop inside its handler, and the player's
// next keys must reach that loop.
void PostKey(int key, const QString& text)
{
    // The main window tells key events apart by their addresses and time stamps; each key gets its own
    // stamp, so that two keys in a row are never taken for one.
    static quint64 stamp = 0;
    auto* e = new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text);
    e->setTimestamp(++stamp);
    QCoreApplication::postEvent(BookForm, e);
}

void PostChar(char c)
{
    const QString text = FromCp1252(std::string_view(&c, 1));
    const QChar upper = text.at(0).toUpper();
    // Qt's key codes of the Latin-1 characters are their upper-case code points.
    PostKey(upper.unicode() < 0x100 ? upper.unicode() : 0, text);
}

bool ShowsWord(const TCloud& c)
{
    return c.Kind != TCloud::kWhite && c.Shade() == 3;
}

// Chooses each game on the menu in turn and plays it for its time: pops the highest bubble, or types
// the selected cloud's word and moves on towards clouds that show one. A game that ends early is
// started again until its time is up; then Escape leaves it. After the last game it closes the window.
class ScriptedPlayer {
  public:
    ScriptedPlayer(std::vector<int> games, double seconds) : games_(std::move(games)), seconds_(seconds) {}

    void Act()
    {
        auto* game = dynamic_cast<TCustomGameEvent*>(CurrentView);
        if (ChapterView && CurrentView == ChapterView && ChapterView->Active)
            ChooseNextGame();
        else if (game && game->State == TEvent::kReady)
            StartGame();
        else if (game && game->State == TEvent::kRunning && deadline_ && Clock::now() >= *deadline_)
            LeaveGame();
        else if (game && game->State == TEvent::kRunning)
            Play(game);
        else if (game && game->State == TEvent::kFinished &&
                 EventsStg->MsgLabel2->Caption() == "Press Enter to continue.")
            PostKey(Qt::Key_Return, QStringLiteral("\r"));
    }

  private:
    void ChooseNextGame()
    {
        if (next_ >= games_.size()) {
            QMetaObject::invokeMethod(
                BookForm, [] { BookForm->close(); }, Qt::QueuedConnection);
            return;
        }
        TButton* start = games_[next_] == 1 ? GamesStg->BubblesBtn : GamesStg->CloudsBtn;
        QMetaObject::invokeMethod(
            start, [start] { start->click(); }, Qt::QueuedConnection);
    }

    // Any key starts a game; the game's time runs from its first start.
    void StartGame()
    {
        if (!deadline_)
            deadline_ = Clock::now() +
                        std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds_));
        PostChar('x');
    }

    void LeaveGame()
    {
        PostKey(Qt::Key_Escape, QString(QChar(27)));
        ++next_;
        deadline_.reset();
    }

    static void Play(TCustomGameEvent* game)
    {
        if (auto* bubbles = dynamic_cast<TBubbles*>(game)) {
            const Tbubble* highest = nullptr;
            for (const Tbubble& b : bubbles->Columns)
                if (b.Active && b.Char != 0 && (!highest || b.Y < highest->Y))
                    highest = &b;
            if (highest)
                PostChar(static_cast<char>(highest->Char));
        } else if (auto* clouds = dynamic_cast<TCloudGame*>(game)) {
            const auto selected = static_cast<std::size_t>(clouds->Selected);
            if (clouds->Selected < 0 || selected >= clouds->Clouds.size())
                return;
            const TCloud& c = clouds->Clouds[selected];
            if (ShowsWord(c) && !c.Done())
                PostChar(c.Word[static_cast<std::size_t>(c.TypedPos - 1)]);
            else if (ShowsWord(c) || std::any_of(clouds->Clouds.begin(), clouds->Clouds.end(), ShowsWord))
                PostKey(Qt::Key_Return, QStringLiteral("\r")); // catch it, or move towards one with a word
        }
    }

    std::vector<int> games_;
    double seconds_;
    std::size_t next_ = 0;
    std::optional<Clock::time_point> deadline_;
};

double Percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return NAN;
    std::sort(v.begin(), v.end());
    const auto rank = static_cast<std::size_t>(std::ceil(p * static_cast<double>(v.size())));
    return v[std::clamp<std::size_t>(rank, 1, v.size()) - 1];
}

void Report(const StepLog& log)
{
    std::printf("game=%s games=%d steps=%zu interval_ms=%u error_median_ms=%.2f error_p99_ms=%.2f "
                "error_max_ms=%.2f step_median_ms=%.3f step_p99_ms=%.3f\n",
                log.name, log.games, log.durations.size(), log.interval, Percentile(log.errors, 0.5),
                Percentile(log.errors, 0.99), Percentile(log.errors, 1.0), Percentile(log.durations, 0.5),
                Percentile(log.durations, 0.99));
}

[[noreturn]] void Usage(const char* why)
{
    std::fprintf(stderr,
                 "kv-step-timing: %s\nusage: kv-step-timing [--seconds N] [--game bubbles|clouds|both] "
                 "[--speech on|off]\n",
                 why);
    std::exit(2);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Keyvane's Games!"));
    double seconds = 20;
    std::vector<int> games{1, 3};
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--seconds" && i + 1 < argc)
            seconds = std::atof(argv[++i]);
        else if (a == "--game" && i + 1 < argc) {
            const std::string g = argv[++i];
            games = g == "bubbles"  ? std::vector<int>{1}
                    : g == "clouds" ? std::vector<int>{3}
                    : g == "both"   ? std::vector<int>{1, 3}
                                    : std::vector<int>{};
            if (games.empty())
                Usage("--game takes bubbles, clouds or both");
        } else if (a == "--speech" && i + 1 < argc) {
            const std::string on = argv[++i];
            if (on != "on" && on != "off")
                Usage("--speech takes on or off");
            SetSpeechOn(on == "on");
        } else
            Usage(("unknown option " + a).c_str());
    }
    if (seconds <= 0)
        Usage("--seconds must be positive");

    // The services the program itself runs on: the steady clock with real sleeps, Qt's event pump,
    // the sound device, message boxes.
    Platform::Reset();
    if (chdir(QCoreApplication::applicationDirPath().toLocal8Bit().constData()) != 0) {
        std::perror("kv-step-timing: the program folder");
        return 1;
    }

    // Start-up as the program makes it, up to its games loop, which is ours here.
    CreateForms();
    BookForm->setWindowTitle(QStringLiteral("Keyvane's Games!"));
    BookForm->OnClose = &TMain::BookFormClose;
    RegisterSound(1, "Click.wav");
    RegisterSound(2, "Theend.wav");
    RegisterSound(3, "Error.wav");
    BookForm->TabRowPic->Assign(*GamesStg->GamesTabPic);
    BookForm->SetLayout(2);
    BookForm->show();

    // About seven keys a second, a quick typist's pace.
    ScriptedPlayer player(games, seconds);
    QTimer turns;
    QObject::connect(&turns, &QTimer::timeout, [&player] { player.Act(); });
    turns.start(150);
    TTimedGamesMenu menu;
    menu.GamesLoop();
    turns.stop();
    TMain::Shutdown();

    bool played = true;
    for (const StepLog* log : {&menu.bubbles, &menu.clouds}) {
        if (log->games == 0)
            continue;
        Report(*log);
        played = played && log->errors.size() >= 10;
    }
    FreeForms();
    return played ? 0 : 1;
}
