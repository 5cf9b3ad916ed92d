#include "games_menu.h"

#include "system.h"

#include "book_form.h"
#include "bubbles.h"
#include "chapter_view.h"
#include "cloud_game.h"
#include "event.h"
#include "games_picture.h"
#include "games_view.h"
#include "player_progress.h"
#include "progress_view.h"
#include "short_string.h"
#include "translation.h"
#include "wordtris.h"

std::string TGamesMenu::GameDescription(std::int32_t Code, const TGamesView& Choices)
{
    return ShortString(
        GameDescriptionOf(Code, Code == 3 ? Choices.GetCloudsVocabulary() : Choices.GetTrisVocabulary()));
}

std::string TGamesMenu::GameTitle(std::int32_t Code)
{
    switch (Code) {
    case 1:
        return Tr("TGamesMenu", "Bubbles");
    case 2:
        return Tr("TGamesMenu", "Wordtris");
    case 3:
        return Tr("TGamesMenu", "Clouds");
    default:
        return {};
    }
}

std::unique_ptr<TEvent> TGamesMenu::CreateGame(std::int32_t Code, const TGamesView& Choices)
{
    const std::string description = GameDescription(Code, Choices);
    if (description.empty())
        return nullptr;
    if (Code == 1) {
        auto bubbles = std::make_unique<TBubbles>(description);
        bubbles->KeySet = ShortString(Choices.GetBubblesKeys());
        return bubbles;
    }
    std::unique_ptr<TCustomGameEvent> game;
    if (Code == 2)
        game = std::make_unique<TWTrisEvent>(description);
    else if (Code == 3)
        game = std::make_unique<TCloudGame>(description);
    const bool practice = Code == 2 ? Choices.TrisPractice : Choices.CloudsPractice;
    if (game && practice && Choices.PracticeWords) {
        game->GivenWords = Choices.PracticeWords();
        game->WordsGiven = true;
    }
    return game;
}

void TGamesMenu::GamesLoop()
{
    auto picture = std::make_unique<TGamesPicture>();
    picture->ViewName = "GamesPic";
    auto games = std::make_unique<TGamesView>();
    TChapterView* chapter = EnsureChapterView();
    chapter->RightView = games.get();
    chapter->LeftView = picture.get();

    // The progress view takes the left page in place of the picture or the top ten, while the menu
    // stays as it is; Esc gives the page back to what was there.
    auto progress = std::make_unique<TProgressView>();
    TFormView* leftBeforeProgress = nullptr;
    auto showOnLeftPage = [chapter](TFormView* view) {
        TFormView* shown = chapter->LeftView;
        if (shown == view)
            return;
        bool cancel = false;
        if (shown && shown->Active)
            shown->Close(cancel);
        if (cancel)
            return;
        chapter->LeftView = view;
        if (view && chapter->Active)
            view->OpenAsPart();
    };
    // The class's line is told in the first notice of the run only.
    const auto withClassNotice = [this](std::string notice) {
        if (!ClassNotice.empty())
            notice = notice.empty() ? ClassNotice : ClassNotice + "\n" + notice;
        ClassNotice.clear();
        return notice;
    };
    if (!ScoreNotice.empty() || !ClassNotice.empty())
        games->NoticeText = [this, withClassNotice] { return withClassNotice(ScoreNotice); };
    if (Progress) {
        TPlayerProgress* player = Progress;
        games->NoticeText = [this, player, withClassNotice] {
            const std::string progressNotice = player->Notice();
            return withClassNotice(ScoreNotice.empty() || progressNotice.empty()
                                       ? ScoreNotice + progressNotice
                                       : ScoreNotice + "\n" + progressNotice);
        };
        games->PracticeKeySet = [player] { return player->PracticeKeys(); };
        games->PracticeWords = [player] { return player->PracticeWords(); };
        games->OnShowProgress = [&, chapter] {
            if (chapter->LeftView == progress.get())
                return;
            leftBeforeProgress = chapter->LeftView;
            showOnLeftPage(progress.get());
        };
        progress->Collect = [player] { return player->Collect(); };
        progress->OnLeave = [&] { showOnLeftPage(leftBeforeProgress ? leftBeforeProgress : picture.get()); };
    }

    for (;;) {
        std::int32_t code = chapter->Execute();
        // A game that ends puts its top-ten table on the left page for the showing right after
        // it; the showing after that has the picture again.
        chapter->LeftView = picture.get();
        leftBeforeProgress = nullptr;
        if (code == 0)
            break;
        std::unique_ptr<TEvent> game = CreateGame(code, *games);
        if (!game)
            continue; // a choice without a game shows the menu again
        BookForm->Title->SetCaption(GameTitle(code));
        // A game's console shows Cancel but no Next.
        game->NextAllowed = false;
        code = game->Run();
        game.reset();
        // The game's field bitmap, vocabulary and pictures are freed; the next game starts lean.
        ReleaseFreedMemory();
        if (code == 0)
            break;
    }
    // The spread must not keep pointers to the views freed here.
    chapter->LeftView = nullptr;
    chapter->RightView = nullptr;
    games->NoticeText = nullptr;
    games->PracticeKeySet = nullptr;
    games->PracticeWords = nullptr;
    games->OnShowProgress = nullptr;
}
