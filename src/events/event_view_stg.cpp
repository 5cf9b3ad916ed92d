#include "event_view_stg.h"

#include "storage_form.h"
#include "translation.h"

#include <string>

TEventViewStg* EventViewStg = nullptr;

namespace {

using Colours::kBlack;
using Colours::kGreen;
using Colours::kLightGreen;
using Colours::kWhite;

constexpr int kRows = 10;
constexpr int kRankTops[kRows] = {95, 123, 151, 179, 207, 235, 263, 291, 319, 349};
constexpr int kTextTops[kRows] = {98, 126, 154, 182, 210, 238, 266, 294, 322, 351};
constexpr int kTextHeight = 18;

// The rows are numbered controls: ranks, names, scores and dates, ten of each.
void BuildRows(QWidget* form)
{
    for (int i = 0; i < kRows; ++i) {
        const std::string n = std::to_string(i + 1);
        const std::string rank = "Rank" + n, caption = n + ".", name = "Name" + n, points = "Points" + n,
                          date = "Date" + n;
        // Odd ranks stand on a bar and are white; even ranks stand on the page and are light green.
        const QRgb rankColour = i % 2 == 0 ? kWhite : kLightGreen;
        BuildControls(
            form, {
                      {rank.c_str(), TKind::Label, "TopTenPanel", 18, kRankTops[i], 0, 0, caption.c_str(), 27,
                       rankColour, 0, kBold | kItalic},
                      {name.c_str(), TKind::Label, "TopTenPanel", 56, kTextTops[i], 110, kTextHeight, "", 15,
                       kBlack, 0, kFixedSize},
                      {points.c_str(), TKind::Label, "TopTenPanel", 176, kTextTops[i], 0, 0, "", 15, kBlack},
                      {date.c_str(), TKind::Label, "TopTenPanel", 240, kTextTops[i], 0, 0, "", 15, kBlack},
                  });
    }
}

} // namespace

TEventViewStg::TEventViewStg()
{
    EventViewStg = this;
    setObjectName("EventViewStg");
    BuildControls(this,
                  {
                      {"TopTenPanel", TKind::Panel, nullptr, 0, 0, 337, 425, "", 0, kWhite},
                      {"Bar1", TKind::Shape, "TopTenPanel", 16, 92, 305, 29, "", 0, kLightGreen, 0, kNoPen},
                      {"Bar2", TKind::Shape, "TopTenPanel", 16, 148, 305, 29, "", 0, kLightGreen, 0, kNoPen},
                      {"Bar3", TKind::Shape, "TopTenPanel", 16, 204, 305, 29, "", 0, kLightGreen, 0, kNoPen},
                      {"Bar4", TKind::Shape, "TopTenPanel", 16, 260, 305, 29, "", 0, kLightGreen, 0, kNoPen},
                      {"Bar5", TKind::Shape, "TopTenPanel", 16, 316, 305, 29, "", 0, kLightGreen, 0, kNoPen},
                      {"Frame", TKind::Shape, "TopTenPanel", 16, 92, 305, 283, "", 0, 0, kGreen, kNoBrush},
                  });
    BuildRows(this);
    BuildControls(this,
                  {
                      {"TopTenTitle", TKind::Label, "TopTenPanel", 27, 58, 0, 0, "", 17, kGreen, 0, kBold},
                      {"TitleRule", TKind::Shape, "TopTenPanel", 16, 81, 305, 1, "", 0, 0, kGreen, kNoBrush},
                      // Sized to its text: in the fonts at hand the word is a few pixels wider than 300.
                      {"Congratulations", TKind::Label, "TopTenPanel", 19, 378, 0, 0, "", 40, kLightGreen, 0,
                       kBold | kHidden},
                      {"NameBox", TKind::Edit, "TopTenPanel", 52, kTextTops[0] - 4, 117, 24, "", 13, kBlack,
                       0, kHidden},
                      // Small print under the table: the shared folder the table comes from.
                      {"ScoreFolderLabel", TKind::Label, "TopTenPanel", 16, 377, 305, 13, "", 9,
                       Colours::kGrey, 0, kFixedSize | kHidden},
                  });
    TopTenPanel = Control<TPanel>(this, "TopTenPanel");
    TopTenTitle = Control<TLabel>(this, "TopTenTitle");
    Congratulations = Control<TLabel>(this, "Congratulations");
    NameBox = Control<TEdit>(this, "NameBox");
    ScoreFolderLabel = Control<TLabel>(this, "ScoreFolderLabel");
    FormCreate();
}

TEventViewStg::~TEventViewStg()
{
    if (EventViewStg == this)
        EventViewStg = nullptr;
}

void TEventViewStg::FormCreate()
{
    TopTenTitle->SetCaption(Tr("TEventViewStg", "T O P   T E N"));
    Congratulations->SetCaption(Tr("TEventViewStg", "Congratulations"));
}
