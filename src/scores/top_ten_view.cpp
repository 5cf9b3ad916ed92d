#include "top_ten_view.h"

#include "book_form.h"
#include "code_page.h"
#include "controls.h"
#include "event_view_stg.h"
#include "label_fit.h"
#include "short_string.h"
#include "speech_service.h"
#include "translation.h"

#include <QFontMetrics>

#include <algorithm>
#include <string>

TTopTenView* TopTenView = nullptr;

namespace {

constexpr int kShownRows = 10;
constexpr const char* kAnonymous = "Anonymous";

// The name box sits this far above the top of the name label it covers.
constexpr int kNameBoxLift = 4;

// A label of the top-ten panel: on its storage form, or on the page while the view is shown.
TLabel* PanelLabel(const std::string& name)
{
    TLabel* label = Control<TLabel>(EventViewStg, name.c_str());
    return label || !BookForm ? label : Control<TLabel>(BookForm, name.c_str());
}

// Pieces of a "name;score;date" line. Names may end in "%", which must not join the name to the
// score, so the line is cut at every ";" as it stands.
std::vector<std::string> RowFields(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(';', start);
        fields.push_back(line.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return fields;
}

} // namespace

TTopTenView* EnsureTopTenView()
{
    if (!TopTenView)
        TopTenView = new TTopTenView();
    return TopTenView;
}

TTopTenView::TTopTenView() : Table(std::make_unique<TtopTen>()) {}

TTopTenView::~TTopTenView()
{
    CloseBeforeDestruction();
    if (TopTenView == this)
        TopTenView = nullptr;
}

void TTopTenView::ShowResult(const std::string& TableName, const std::string& Name, std::int32_t Score)
{
    // A missing file gets the default table at once. A file that stayed busy, or could not be read,
    // is left alone: saving the default table over it would wipe the stored scores.
    if (Table->LoadScores(TableName) == -1)
        Table->CreateScoreFile();
    NewRank = Table->Insert(Score, Name);
    CollectLabels();
    FillLabels();
    // The small print under the table would run into the large "Congratulations" that stands there
    // over a new row: it then moves to the right end of the title line.
    const bool congratulating = NewRank >= 1 && NewRank <= kShownRows;
    EventViewStg->ScoreFolderLabel->setGeometry(congratulating ? QRect(230, 66, 91, 13)
                                                               : QRect(16, 377, 305, 13));
    EventViewStg->ScoreFolderLabel->setAlignment(congratulating ? Qt::AlignRight | Qt::AlignVCenter
                                                                : Qt::AlignLeft | Qt::AlignVCenter);
    ShowScoreFolder();
    TLabel* congratulations = EventViewStg->Congratulations;
    TEdit* nameBox = EventViewStg->NameBox;
    if (congratulating) {
        congratulations->show();
        nameBox->move(nameBox->x(), NameLabels[static_cast<std::size_t>(NewRank - 1)]->y() - kNameBoxLift);
        nameBox->SetText(ShortString(Name));
        const std::string invitation = FillArgs(
            Tr("TTopTenView", "Congratulations: you are number %1 in the top ten. Type your name and "
                              "press Enter"),
            {std::to_string(NewRank)});
        nameBox->setAccessibleName(FromCp1252(invitation));
        nameBox->show();
        Speak(FillArgs(Tr("TTopTenView", "Your score: %1."), {std::to_string(Score)}) + " " + invitation);
    } else {
        congratulations->hide();
        nameBox->hide();
        Speak(FillArgs(Tr("TTopTenView", "Your score: %1."), {std::to_string(Score)}));
    }
}

void TTopTenView::ShowScoreFolder()
{
    TLabel* label = EventViewStg->ScoreFolderLabel;
    if (ScoreFolder().empty()) {
        label->hide();
        return;
    }
    // A long path keeps its start and its end, where a class's folder is told apart.
    const QString text = TrQ("TTopTenView", "Shared table in %1").arg(FromCp1252(ScoreFolder()));
    label->setText(QFontMetrics(label->font()).elidedText(text, Qt::ElideMiddle, label->width()));
    label->show();
}

void TTopTenView::CollectLabels()
{
    NameLabels.clear();
    PointLabels.clear();
    DateLabels.clear();
    for (int i = 1; i <= kShownRows; ++i) {
        const std::string n = std::to_string(i);
        NameLabels.push_back(PanelLabel("Name" + n));
        PointLabels.push_back(PanelLabel("Points" + n));
        DateLabels.push_back(PanelLabel("Date" + n));
    }
}

void TTopTenView::FillLabels()
{
    // A score file may hold fewer than ten rows; the rows it lacks stay empty.
    const std::vector<std::string> lines = Table->ListRows(std::min<int>(kShownRows, Table->RowCount));
    for (std::size_t i = 0; i < NameLabels.size(); ++i) {
        std::vector<std::string> fields = i < lines.size() ? RowFields(lines[i]) : std::vector<std::string>();
        fields.resize(3);
        // A row of a table started empty (a new term) is blank, not a score of 0.
        if (fields[0].empty() && fields[1] == "0" && fields[2].empty())
            fields[1].clear();
        NameLabels[i]->SetCaption(fields[0]);
        PointLabels[i]->SetCaption(fields[1]);
        DateLabels[i]->SetCaption(fields[2]);
        // A long date of the locale ("10 Dec 2026") stays inside the table's frame.
        FitLabelWidth(DateLabels[i], 78, 15, 11);
    }
}

bool TTopTenView::WaitingForName() const
{
    return NewRank >= 1 && NewRank <= kShownRows && EventViewStg && !EventViewStg->NameBox->isHidden();
}

void TTopTenView::CommitName()
{
    if (!WaitingForName())
        return;
    TEdit* nameBox = EventViewStg->NameBox;
    std::string name = ShortString(nameBox->Text());
    if (name.empty())
        name = kAnonymous;
    Table->SetName(NewRank, name);
    const bool hadFocus = nameBox->hasFocus();
    nameBox->hide();
    if (hadFocus)
        ReturnFocus();
    // The row goes into the rows the file holds now, so that a row another copy stored since the
    // table was loaded is kept; the labels then show what the file holds.
    Table->SaveRow(NewRank);
    FillLabels();
    if (TopTenNameSink)
        TopTenNameSink(name);
}

void TTopTenView::Load()
{
    TFormView::Load();
    BorrowChildren(EventViewStg->TopTenPanel, BookForm->LeftPage);
    if (!EventViewStg->NameBox->isHidden()) {
        // The prefilled name is selected, so that the player's first key replaces it.
        EventViewStg->NameBox->setFocus();
        EventViewStg->NameBox->selectAll();
    }
}

void TTopTenView::KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift)
{
    TFormView::KeyDown(Sender, Key, Shift);
    if (Shift == 0 && Key == VK_RETURN) {
        if (!EventViewStg->NameBox->isHidden())
            Key = 0;
        CommitName();
    }
}

void TTopTenView::Unload()
{
    CommitName();
    TFormView::Unload();
}
