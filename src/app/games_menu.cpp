#include "games_menu.h"

#include "book_form.h"
#include "chapter_view.h"
#include "games_picture.h"
#include "games_view.h"
#include "short_string.h"

#include <memory>

void TGamesMenu::GamesLoop()
{
    auto picture = std::make_unique<TGamesPicture>();
    picture->ViewName = "GamesPic";
    auto games = std::make_unique<TGamesView>();
    TChapterView* chapter = EnsureChapterView();
    chapter->RightView = games.get();
    chapter->LeftView = picture.get();

    for (;;) {
        std::int32_t code = chapter->Execute();
        chapter->LeftView = picture.get();
        if (code == 0)
            break;
        // The games themselves are created here from their descriptions; a code without a game
        // shows the menu again.
        (void)code;
    }
    // The spread must not keep pointers to the views freed here.
    chapter->LeftView = nullptr;
    chapter->RightView = nullptr;
}
