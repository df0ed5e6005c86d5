#include "hub/ui/AntennaLayout.h"

#include <gtest/gtest.h>

#include "hub/ui/DialAppearance.h"

namespace kolt {
namespace {

AntennaLayout withElevation(int w, int h, int lastW, int lastH) {
    return layOutAntennaWindow({w, h, lastW, lastH, true, true});
}

TEST(AntennaLayoutTest, WithElevationTheWindowKeepsTwoToOnePlusTheChrome) {
    const struct {
        int w, h, lastW, lastH;
        int width, height;
    } cases[] = {
        {5000, 2600, 4000, 2600, 5000, 3225},  // wider: the height follows
        {4000, 3725, 4000, 2600, 6000, 3725},  // taller: the width follows
        {2000, 2400, 4000, 2400, 2700, 2075},  // too narrow: 2700 wide
        {4000, 1500, 4000, 2600, 2550, 2000},  // too low: 2000 high, 2550 wide
    };
    for (const auto& c : cases) {
        const AntennaLayout l = withElevation(c.w, c.h, c.lastW, c.lastH);
        EXPECT_EQ(l.width, c.width) << c.w << "x" << c.h;
        EXPECT_EQ(l.height, c.height) << c.w << "x" << c.h;
        EXPECT_EQ(l.height - kLayoutChrome, l.azDial.height);
    }
}

TEST(AntennaLayoutTest, WithElevationTheDialsStandSideBySideWithTheirButtonsAtTheCorners) {
    const AntennaLayout l = withElevation(6120, 3000, 6000, 3000);
    EXPECT_EQ(l.azDial.width, 3000);
    EXPECT_EQ(l.elDial.width, 3000);
    EXPECT_EQ(l.azDial.height, l.height - 725);
    EXPECT_EQ(l.elDial.top, l.azDial.top);
    EXPECT_GE(l.elDial.left, l.azDial.left + l.azDial.width);
    // "Go" at the lower left, "X" at the lower right, a fifth wide, a tenth high
    EXPECT_EQ(l.presetEl.width, 600);
    EXPECT_EQ(l.presetEl.height, l.elDial.height / 10);
    EXPECT_EQ(l.presetEl.left, l.elDial.left);
    EXPECT_EQ(l.presetEl.top + l.presetEl.height, l.elDial.top + l.elDial.height);
    EXPECT_EQ(l.stopEl.left + l.stopEl.width, l.elDial.left + l.elDial.width);
    EXPECT_EQ(l.stopAz.top, l.presetAz.top);
}

TEST(AntennaLayoutTest, AzimuthAloneWithMemoryButtonsBesideASquareDial) {
    const AntennaLayout l = layOutAntennaWindow({3675, 2460, 3675, 2460, false, true});
    EXPECT_EQ(l.width, 3675);
    EXPECT_EQ(l.height, 2460);
    EXPECT_EQ(l.azDial.width, l.azDial.height);
    EXPECT_EQ(l.azDial.height, 2460 - 725);
    const int row = l.azDial.height / 6;
    for (int i = 0; i < kMemoryButtonCount; ++i) {
        const Rect& b = l.memory[static_cast<std::size_t>(i)];
        EXPECT_EQ(b.height, row) << i;
        EXPECT_GT(b.left, l.azDial.left + l.azDial.width) << i;
        EXPECT_LE(b.left + b.width, l.width) << i;
    }
    // Memories 1 to 4 on the left, 5 to 8 on the right, row by row.
    EXPECT_EQ(l.memory[0].left, l.memory[3].left);
    EXPECT_GT(l.memory[4].left, l.memory[0].left);
    EXPECT_EQ(l.memory[4].top, l.memory[0].top);
    EXPECT_EQ(l.memory[1].top, l.memory[0].top + row);
    // The preset row under the memories, inside the dial's height.
    EXPECT_GE(l.txtPreset.top, l.memory[3].top + row);
    EXPECT_LE(l.cmdGo.top + l.cmdGo.height, l.azDial.top + l.azDial.height);
    EXPECT_EQ(l.cmdStop.top, l.cmdGo.top);
    EXPECT_FALSE(l.narrowMenus);
}

TEST(AntennaLayoutTest, AzimuthAloneLimits) {
    const struct {
        int w, h;
        bool memory;
        int width, height;
        bool narrow;
    } cases[] = {
        {12000, 9000, true, 10000, 8700, false}, {3000, 500, true, 3000, 700, false},
        {2000, 2460, true, 2700, 2460, false},   {2000, 2460, false, 2000, 2460, true},
        {800, 2460, false, 1000, 2460, true},    {2700, 2460, false, 2700, 2460, false},
    };
    for (const auto& c : cases) {
        const AntennaLayout l = layOutAntennaWindow({c.w, c.h, c.w, c.h, false, c.memory});
        EXPECT_EQ(l.width, c.width) << c.w << "x" << c.h;
        EXPECT_EQ(l.height, c.height) << c.w << "x" << c.h;
        EXPECT_EQ(l.narrowMenus, c.narrow) << c.w << "x" << c.h;
    }
}

TEST(AntennaLayoutTest, WithoutMemoryButtonsTheDialTakesTheWidth) {
    const AntennaLayout l = layOutAntennaWindow({4120, 3000, 4120, 3000, false, false});
    EXPECT_EQ(l.azDial.width, 4000);
    EXPECT_EQ(l.azDial.height, 3000 - 725);
}

TEST(DialScaleTest, ValuesAndAnglesOnBothDials) {
    const DialScale az = azimuthDialAppearance().scale;
    const DialScale el = elevationDialAppearance().scale;
    const struct {
        const DialScale* scale;
        double angle;
        double value;
    } cases[] = {
        {&az, 0, 0},     {&az, 90, 90}, {&az, 359, 359}, {&az, -90, 270},
        {&el, -90, 0},   {&el, 0, 90},  {&el, 90, 180},  {&el, 45, 135},
        {&el, 170, 180}, {&el, 190, 0},  // below the arc: the nearer end
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(c.scale->valueAt(c.angle), c.value) << c.angle;
    EXPECT_DOUBLE_EQ(el.angleOf(90), 0);
    EXPECT_DOUBLE_EQ(az.angleOf(180), 180);
}

}  // namespace
}  // namespace kolt
