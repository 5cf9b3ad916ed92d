#include "progress_view.h"

#include "book_form.h"
#include "code_page.h"
#include "progress_drawing.h"
#include "progress_keys_table.h"
#include "translation.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

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

std::string ProgressText(const TProgressData& data)
{
    const auto number = [](double value) { return std::to_string(static_cast<long>(std::lround(value))); };
    if (data.Problem != TStoreProblem::None)
        return FillArgs(Tr("TProgressView", "Your last games could not be read: %1."),
                        {ProblemReason(data.Problem)});
    if (!data.HasGames())
        return Tr("TProgressView", "No games yet: this page fills up as you play.");
    std::string text;
    const std::size_t hardest = std::min<std::size_t>(5, data.Ranking.size());
    if (hardest > 0) {
        text = Tr("TProgressView", "Your hardest keys:");
        for (std::size_t i = 0; i < hardest; ++i) {
            const TKeyStanding& key = data.Ranking[i];
            text += " " + FillArgs(Tr("TProgressView", "%1, %2 % errors;"),
                                   {std::string(1, static_cast<char>(key.Ch)), number(100 * key.ErrorRate)});
            if (key.MsPerKey > 0)
                text += " " + FillArgs(Tr("TProgressView", "%1 ms per key;"), {number(key.MsPerKey)});
        }
    }
    for (int g = 0; g < 3; ++g) {
        const std::vector<std::int32_t>& scores = data.Scores[static_cast<std::size_t>(g)];
        if (scores.empty())
            continue;
        // The last five scores, the latest first.
        std::string last;
        for (std::size_t i = 0; i < std::min<std::size_t>(5, scores.size()); ++i)
            last += (i ? ", " : "") + std::to_string(scores[scores.size() - 1 - i]);
        text += (text.empty() ? "" : " ") +
                FillArgs(Tr("TProgressView", "%1, your last scores: %2."), {kHistoryGames[g], last});
        if (data.WeekBest[static_cast<std::size_t>(g)] >= 0)
            text += " " + FillArgs(Tr("TProgressView", "Best this week: %1."),
                                   {std::to_string(data.WeekBest[static_cast<std::size_t>(g)])});
    }
    // The figures of the two day charts, the newest day first; days without typing are left out.
    const std::vector<TDayFigures> days = LastDays(data);
    std::string figures;
    for (int i = kChartDays - 1; i >= 0; --i) {
        const TDayFigures& d = days[static_cast<std::size_t>(i)];
        if (!d.Typed)
            continue;
        const std::string day = ToCp1252(DayLabel(data.Today - kChartDays + 1 + i));
        figures += (figures.empty() ? "" : "; ") +
                   (d.Speed > 0 ? FillArgs(Tr("TProgressView", "%1: %2 % right, %3 characters a minute"),
                                           {day, number(d.Accuracy), number(d.Speed)})
                                : FillArgs(Tr("TProgressView", "%1: %2 % right"), {day, number(d.Accuracy)}));
    }
    text += (text.empty() ? "" : " ") + (figures.empty()
                                             ? FillArgs(Tr("TProgressView", "No typing in the last %1 days."),
                                                        {std::to_string(kChartDays)})
                                             : FillArgs(Tr("TProgressView", "Your last %1 days: %2."),
                                                        {std::to_string(kChartDays), figures}));
    return text;
}

TProgressView::TProgressView() : holder_(std::make_unique<QWidget>()), page_(new TProgressPage(holder_.get()))
{
    ViewName = "Progress";
    page_->show();
    page_->OnBack = [this] {
        if (OnLeave)
            OnLeave();
    };
    // The drawn "Back" is a real button too: reached with Tab, named for screen readers, and taking
    // the focus when the page opens, with what the page shows as its description.
    back_ = new TImage(page_);
    back_->setGeometry(BackControlRect().toAlignedRect());
    back_->MakeButton(TrQ("TProgressDrawing", "Back")); // the word drawn there
    back_->OnClick = [this](QObject*) { page_->OnBack(); };
    page_->setAccessibleName(TrQ("TProgressView", "Your progress"));
    InstallProgressKeysTableAccessibility();
    keysTable_ = new TProgressKeysTable(page_);
    keysTable_->setGeometry(HardestKeysArea().toAlignedRect());
    keysTable_->setAccessibleName(TrQ("TProgressDrawing", "Your hardest keys")); // the heading drawn
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
    const QString text = FromCp1252(ProgressText(page_->Data));
    page_->setAccessibleDescription(text);
    // The columns with text as the page heads them; the key's own column has no heading drawn.
    keysTable_->SetCells({TrQ("TProgressView", "key"), TrQ("TProgressDrawing", "errors"),
                          TrQ("TProgressDrawing", "ms / key"), TrQ("TProgressDrawing", "typed instead")},
                         HardestCells(page_->Data));
    back_->setAccessibleDescription(text);
    back_->setFocus(Qt::OtherFocusReason);
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
    // The focus goes back where it was before, not to a control that is no longer shown.
    if (back_->hasFocus())
        ReturnFocus();
    if (BookForm && titleWasShown_)
        BookForm->TitleConsole->show();
    TFormView::Unload();
}
