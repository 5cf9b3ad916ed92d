#include "progress_view.h"

#include "book_form.h"
#include "code_page.h"
#include "progress_drawing.h"

#include <QPainter>

namespace {

// The part of the page that the drawing gives the charts of the last games, below their heading.
const QRectF kChartsArea(12, 300, kProgressWidth - 24, kProgressHeight - 306);

} // namespace

TProgressPage::TProgressPage(QWidget* parent) : QWidget(parent)
{
    setObjectName("ProgressPage");
    setGeometry(0, 0, kProgressWidth, kProgressHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TProgressPage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    PaintProgress(p, Data);
    if (Data.Problem == TStoreProblem::None)
        return;
    // Charts left empty by a store that could not be read would say "no games yet"; they say why.
    p.fillRect(kChartsArea, Qt::white);
    p.setPen(QColor(40, 40, 40));
    QFont font("Arial");
    font.setPixelSize(12);
    p.setFont(font);
    p.drawText(kChartsArea, Qt::AlignCenter | Qt::TextWordWrap,
               FromCp1252("Your last games could not be read: " + ProblemReason(Data.Problem) + "."));
}

TProgressView::TProgressView() : holder_(std::make_unique<QWidget>()), page_(new TProgressPage(holder_.get()))
{
    ViewName = "Progress";
    page_->show();
}

TProgressView::~TProgressView()
{
    // The page must be back in its holder before the holder goes.
    CloseBeforeDestruction();
}

void TProgressView::Load()
{
    TFormView::Load();
    if (Collect)
        page_->Data = Collect();
    if (BookForm) {
        titleWasShown_ = !BookForm->TitleConsole->isHidden();
        BookForm->TitleConsole->hide();
        BorrowControl(page_, BookForm->LeftPage);
    }
    page_->raise();
    page_->update();
}

void TProgressView::KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift)
{
    TFormView::KeyDown(Sender, Key, Shift);
    if (Key == 27 && Shift == 0 && OnLeave) {
        Key = 0;
        OnLeave();
    }
}

void TProgressView::Unload()
{
    if (BookForm && titleWasShown_)
        BookForm->TitleConsole->show();
    TFormView::Unload();
}
