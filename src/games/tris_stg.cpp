#include "tris_stg.h"

#include "storage_form.h"

#include <string>

TTrisStgFrm* TrisStgFrm = nullptr;

namespace {

using Colours::kWhite;

// The box on the wide page: ten rows of 220 x 30 from (244, 20), walls left and right of its lower
// part, a floor under the bottom row, and three blocks on each side stacked down to the bottom of
// the play field.
constexpr int kRowLeft = 244;
constexpr int kRowTop = 20;
constexpr int kRowWidth = 220;
constexpr int kRowHeight = 30;
constexpr int kBlockSide = 60;
constexpr int kLeftBlocks = 154;
constexpr int kRightBlocks = 494;
constexpr int kBlockTops[3] = {183, 243, 303};

void BuildRows(QWidget* form)
{
    for (int i = 0; i < TTrisStgFrm::kRows; ++i) {
        const std::string name = "row" + std::to_string(i + 2);
        BuildControls(form, {{name.c_str(), TKind::Image, "Tris", kRowLeft, kRowTop + kRowHeight * i,
                              kRowWidth, kRowHeight, ""}});
    }
}

} // namespace

TTrisStgFrm::TTrisStgFrm()
{
    TrisStgFrm = this;
    setObjectName("TrisStgFrm");
    BuildControls(this, {
                            {"Active", TKind::Image, nullptr, 0, 0, kRowWidth, kRowHeight, "tris_active", 0,
                             0, 0, kHidden},
                            {"Inactive", TKind::Image, nullptr, 0, 0, kRowWidth, kRowHeight, "tris_inactive",
                             0, 0, 0, kHidden},
                            {"Tris", TKind::Panel, nullptr, 0, 0, 718, 363, "", 0, kWhite},
                            {"Image7", TKind::Image, "Tris", 214, 147, 30, 203, "tris_image7"},
                            {"Image13", TKind::Image, "Tris", 464, 147, 30, 203, "tris_image13"},
                            {"Image3", TKind::Image, "Tris", 244, 320, 221, 30, "tris_image3"},
                        });
    BuildRows(this);
    BuildControls(
        this,
        {
            {"LeftBlock1", TKind::Image, "Tris", kLeftBlocks, kBlockTops[0], kBlockSide, kBlockSide,
             "tris_left_block"},
            {"LeftBlock2", TKind::Image, "Tris", kLeftBlocks, kBlockTops[1], kBlockSide, kBlockSide, ""},
            {"LeftBlock3", TKind::Image, "Tris", kLeftBlocks, kBlockTops[2], kBlockSide, kBlockSide, ""},
            {"RightBlock1", TKind::Image, "Tris", kRightBlocks, kBlockTops[0], kBlockSide, kBlockSide,
             "tris_right_block"},
            {"RightBlock2", TKind::Image, "Tris", kRightBlocks, kBlockTops[1], kBlockSide, kBlockSide, ""},
            {"RightBlock3", TKind::Image, "Tris", kRightBlocks, kBlockTops[2], kBlockSide, kBlockSide, ""},
        });

    Tris = Control<TPanel>(this, "Tris");
    for (int i = 0; i < kRows; ++i)
        Rows[static_cast<std::size_t>(i)] = Control<TImage>(this, ("row" + std::to_string(i + 2)).c_str());
    Active = Control<TImage>(this, "Active");
    Inactive = Control<TImage>(this, "Inactive");
    Image7 = Control<TImage>(this, "Image7");
    Image13 = Control<TImage>(this, "Image13");
    Image3 = Control<TImage>(this, "Image3");
    LeftBlock1 = Control<TImage>(this, "LeftBlock1");
    LeftBlock2 = Control<TImage>(this, "LeftBlock2");
    LeftBlock3 = Control<TImage>(this, "LeftBlock3");
    RightBlock1 = Control<TImage>(this, "RightBlock1");
    RightBlock2 = Control<TImage>(this, "RightBlock2");
    RightBlock3 = Control<TImage>(this, "RightBlock3");
}

TTrisStgFrm::~TTrisStgFrm()
{
    if (TrisStgFrm == this)
        TrisStgFrm = nullptr;
}
