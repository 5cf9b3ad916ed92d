#include "test_platform.h"
#include "tmain.h"

#include <gtest/gtest.h>

namespace {

struct ScaledScreen : FixedScreen {
    double scale = 1;
    double ScaleFactor() override { return scale; }
};

TEST(SmallScreenTest, TheMessageComesWhenTheScaledScreenCannotHoldTheBookAndNamesTheScale)
{
    TestPlatform platform;
    const struct {
        int width, height;
        double scale;
        const char* expected; // the start of the message; "" when the book fits
    } rows[] = {
        {1280, 1024, 1.0, ""},
        {640, 480, 1.0, "Keyvane cannot fit the screen, since your display\narea is only 640x480"},
        {853, 682, 1.5, ""},
        {640, 512, 2.0,
         "Keyvane cannot fit the screen at the scale factor 2: your display area is\nonly 640x512"},
        {1024, 512, 2.0,
         "Keyvane cannot fit the screen at the scale factor 2: your display area is\nonly 1024x512"},
        {700, 600, 1.25, "Keyvane cannot fit the screen at the scale factor 1.25:"},
    };
    for (const auto& row : rows) {
        ScaledScreen scaled;
        scaled.clientWidth = scaled.width = row.width;
        scaled.height = row.height;
        scaled.scale = row.scale;
        const std::string message = SmallScreenMessage(scaled, 777, 529);
        EXPECT_EQ(message.substr(0, std::string(row.expected).size()), row.expected)
            << row.width << "x" << row.height << " at " << row.scale;
        EXPECT_EQ(message.empty(), *row.expected == 0) << message;
    }
}

} // namespace
