#include "bubble_stg.h"

#include "storage_form.h"

TBubbleStg* BubbleStg = nullptr;

TBubbleStg::TBubbleStg()
{
    BubbleStg = this;
    setObjectName("BubbleStg");
    BuildControls(this, {
                            {"BubbleOn", TKind::Image, nullptr, 0, 0, 21, 20, "bubble_on"},
                            {"BubbleOff", TKind::Image, nullptr, 21, 0, 21, 20, "bubble_off"},
                            {"CloudOn", TKind::Image, nullptr, 42, 0, 21, 20, "cloud_on"},
                            {"CloudOff", TKind::Image, nullptr, 63, 0, 21, 20, "cloud_off"},
                            {"WhiteCloud", TKind::Image, nullptr, 0, 20, 92, 41, "cloud_white"},
                            {"GrayCloud", TKind::Image, nullptr, 92, 20, 92, 41, "cloud_gray"},
                            {"DarkCloud", TKind::Image, nullptr, 0, 61, 92, 41, "cloud_dark"},
                            {"BonusCloud", TKind::Image, nullptr, 92, 61, 92, 41, "cloud_bonus"},
                        });
    BubbleOn = Control<TImage>(this, "BubbleOn");
    BubbleOff = Control<TImage>(this, "BubbleOff");
    CloudOn = Control<TImage>(this, "CloudOn");
    CloudOff = Control<TImage>(this, "CloudOff");
    WhiteCloud = Control<TImage>(this, "WhiteCloud");
    GrayCloud = Control<TImage>(this, "GrayCloud");
    DarkCloud = Control<TImage>(this, "DarkCloud");
    BonusCloud = Control<TImage>(this, "BonusCloud");
}

TBubbleStg::~TBubbleStg()
{
    if (BubbleStg == this)
        BubbleStg = nullptr;
}
