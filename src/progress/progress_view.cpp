#include "progress_view.h"

#include "book_form.h"
#include "code_page.h"
#include "progress_drawing.h"
#include "translation.h"

#include <QMouseEvent>
#include <QPainter>

TProgressPage::TProgressPage(QWidget* parent) : QWidget(parent)
{
    setObjectName("ProgressPage");
    setGeometry(0, 0, kProgressWidth, kProgressHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void TProgressPage::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && BackControlRect().contains(event->position()) && OnBack)
        OnBack();
}

void TProgressPage::mouseMoveEvent(QMouseEvent* event)
{
    if (BackControlRect().contains(event->position()))
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void TProgressPage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    PaintProgress(p, Data);
    if (Data.Problem == TStoreProblem::None)
        return;
    // Charts left empty by a store that could not be read would say "no games yet"; they say why.
    const QRectF area = LastGamesArea();
    p.fillRect(area, Qt::white);
    p.setPen(QColor(40, 40, 40));
    QFont font("Arial");
    font.setPixelSize(12);
    p.setFont(font);
    p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap,
               FromCp1252(FillArgs(Tr("TProgressView", "Your last games could not be read: %1."),
                                   {ProblemReason(Data.Problem)})));
}

TProgressView::TProgressView() : holder_(std::make_unique<QWidget>()), page_(new TProgressPage(holder_.get()))
{
    ViewName = "Progress";
    page_->show();
    page_->OnBack = [this] {
        if (OnLeave)
            OnLeave();
    };
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
