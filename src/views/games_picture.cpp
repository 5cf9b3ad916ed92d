#include "games_picture.h"

#include "book_form.h"
#include "games_stg.h"

TGamesPicture::~TGamesPicture()
{
    CloseBeforeDestruction();
}

void TGamesPicture::Load()
{
    TFormView::Load();
    BorrowChildren(GamesStg->Panel1, BookForm->LeftPage);
    BookForm->TitleConsole->hide();
}

void TGamesPicture::Unload()
{
    BookForm->TitleConsole->show();
    TFormView::Unload();
}
