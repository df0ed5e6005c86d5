#include "hub/ui/Memories.h"

#include <gtest/gtest.h>

#include <cctype>

#include "support/HubOnFakes.h"

namespace kolt {
namespace {

class MemoriesTest : public ::testing::Test, public test::HubOnFakes {
  protected:
    MemoriesAndParking& memories() { return hub->memories(); }
    HubSettings& settings() { return hub->settings(); }
    std::string setting(const char* section, const char* key) {
        return ProfileFile(home / "koltvcom.ini").readString(section, key);
    }
    // The line of a key as the file holds it, blanks and all.
    std::string storedLine(const std::string& key) {
        const std::string text = test::readFile(home / "koltvcom.ini");
        const std::size_t at = text.find("\n" + key + "=");
        if (at == std::string::npos) return {};
        const std::size_t end = text.find_first_of("\r\n", at + 1);
        return text.substr(at + 1, end - at - 1);
    }
    void setting(const char* section, const char* key, const char* value) {
        ProfileFile(home / "koltvcom.ini").writeString(section, key, value);
    }
    // The pointing commands among what device 5 was sent; the polls left out.
    std::string pointed() {
        std::string out;
        const std::string all = taken(5);
        for (std::size_t start = 0; start < all.size();) {
            std::size_t end = all.find('\n', start);
            end = end == std::string::npos ? all.size() : end + 1;
            const std::string line = all.substr(start, end - start);
            if (line.size() > 1 && (line[0] == 'M' || line[0] == 'N') &&
                std::isdigit(static_cast<unsigned char>(line[1]))) {
                out += line;
            }
            start = end;
        }
        return out;
    }
    // A KOLT-USB unit with both axes on device 5.
    void kolt(bool elevation = true) {
        state().firmwareFlags[1] = elevation ? 1 : 0;
        useModel(RotatorModel::KoltUsb);
        openAzimuth(5);
        taken(5);
    }
};

TEST_F(MemoriesTest, WithoutAMemorySectionTheDefaultsAreUsedAndWritten) {
    hub->start();
    for (int n = 1; n <= 8; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        EXPECT_EQ(settings().memoryNames[i], "Memory-" + std::to_string(n));
        EXPECT_EQ(settings().memoryAngles[i], 40 * n + 30);
        EXPECT_EQ(antenna().CmdMemo[i].caption, "Memory-" + std::to_string(n));
    }
    EXPECT_EQ(antenna().mnuMemo[0].caption, "Memory-1 @ 70");
    EXPECT_EQ(antenna().mnuMemo[7].caption, "Memory-8 @ 350");
    EXPECT_EQ(storedLine("Angle-1"), "Angle-1= 70");
    EXPECT_EQ(setting("Memory", "Name-8"), "Memory-8");
    EXPECT_EQ(setting("General", "Button"), "1");
    EXPECT_EQ(storedLine("Azimuth Parking"), "Azimuth Parking= 0");
    EXPECT_EQ(antenna().mnuParkAz.caption, "Azimuth: 0");
    EXPECT_EQ(antenna().mnuParkEl.caption, "Elevation: 0");
}

TEST_F(MemoriesTest, TheDialogRoundsAnglesAndRefusesThoseOutOfRange) {
    hub->start();
    antenna().mnuEdit.click();
    MemoryDialog& d = memories().dialog();
    ASSERT_TRUE(d.form.visible);
    EXPECT_EQ(d.helpTopic, 2200);
    EXPECT_EQ(d.form.caption, "Memory Setup");
    const struct {
        const char* typed;
        int stored;
    } angles[] = {{"400", 0}, {"359.5", 360}, {" 45x", 45}, {"-1", 0},
                  {"", 0},    {"180.5", 180}, {"abc", 0},   {"360", 360}};
    for (std::size_t i = 0; i < 8; ++i)
        d.txtAngle[i].text = angles[i].typed;
    d.txtMemory[0].text = "Europe";
    d.cmdOK.click();
    EXPECT_FALSE(d.form.visible);
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(settings().memoryAngles[i], angles[i].stored) << angles[i].typed;
    EXPECT_EQ(antenna().CmdMemo[0].caption, "Europe");
    EXPECT_EQ(antenna().mnuMemo[1].caption, "Memory-2 @ 360");
    EXPECT_EQ(setting("Memory", "Name-1"), "Europe");
    EXPECT_EQ(storedLine("Angle-2"), "Angle-2= 360");
    EXPECT_EQ(storedLine("Angle-1"), "Angle-1= 0");
}

TEST_F(MemoriesTest, CancelLeavesTheTableAsItWas) {
    settings().memoryNames[2] = "Japan";
    settings().memoryAngles[2] = 35;
    antenna().mnuEdit.click();
    MemoryDialog& d = memories().dialog();
    EXPECT_EQ(d.txtMemory[2].text, "Japan");
    d.txtMemory[2].text = "Nowhere";
    d.txtAngle[2].text = "99";
    d.cmdCancel.click();
    EXPECT_FALSE(d.form.visible);
    EXPECT_EQ(settings().memoryNames[2], "Japan");
    EXPECT_EQ(settings().memoryAngles[2], 35);
    EXPECT_EQ(d.txtMemory[2].text, "Japan");
    EXPECT_EQ(d.txtAngle[2].text, "35");
}

TEST_F(MemoriesTest, ARecallPointsTheAntennaFromButtonAndMenu) {
    kolt(false);
    settings().memoryAngles[3] = 190;
    antenna().CmdMemo[3].click();
    EXPECT_EQ(antenna().AG_Az.needle[1], 190);
    EXPECT_EQ(main().txtPreAz.text, "190");
    EXPECT_EQ(taken(5), "M190\r\n");
    settings().memoryAngles[4] = 230;
    antenna().mnuMemo[4].click();
    EXPECT_EQ(taken(5), "M230\r\n");
}

TEST_F(MemoriesTest, MemoryButtonsShowOnlyBesideTheAzimuthDialAlone) {
    const struct {
        RotatorModel model;
        bool elevationAxis;  // the unit's, the remote side's or the board's
        bool forceAzimuth;
        bool alone;
    } cases[] = {
        {RotatorModel::AzimuthElevation, false, false, false},
        {RotatorModel::Azimuth, false, false, true},
        {RotatorModel::Elevation, false, false, false},
        {RotatorModel::Combo, false, true, false},
        {RotatorModel::RemoteTcp, false, false, true},
        {RotatorModel::RemoteTcp, true, false, false},
        {RotatorModel::RemoteTcp, true, true, true},
        {RotatorModel::ZebSe, true, false, false},
        {RotatorModel::ZebSe, false, false, true},
        {RotatorModel::KoltUsb, false, false, true},
        {RotatorModel::KoltUsb, true, false, false},
        {RotatorModel::KoltUsb, true, true, true},
    };
    for (const auto& c : cases) {
        for (const bool checked : {true, false}) {
            reset();
            state().firmwareFlags[1] = c.elevationAxis ? 1 : 0;
            state().remoteHasElevation = c.elevationAxis;
            state().boardRunning = true;
            state().boardAxes = c.elevationAxis ? 2 : 1;
            state().forceAzimuthOnly = c.forceAzimuth;
            antenna().mnuButton.checked = checked;
            useModel(c.model);
            const int model = static_cast<int>(c.model);
            EXPECT_EQ(memories().azimuthDialAlone(), c.alone) << model;
            EXPECT_EQ(antenna().CmdMemo[0].visible, c.alone && checked) << model;
            EXPECT_EQ(antenna().CmdMemo[7].visible, c.alone && checked) << model;
            EXPECT_EQ(antenna().txtPreset.visible, c.alone && checked) << model;
            EXPECT_EQ(antenna().CmdStop.visible, c.alone && checked) << model;
            EXPECT_EQ(antenna().mnuButton.visible, c.alone) << model;
            EXPECT_EQ(antenna().mnuButtonSeparator.visible, c.alone) << model;
        }
    }
}

TEST_F(MemoriesTest, TheMemoryButtonsOptionIsStoredAndLaysTheWindowOut) {
    setting("General", "Button", "0");
    setting("Prosistel", "Model", "1");
    hub->start();
    EXPECT_FALSE(antenna().mnuButton.checked);
    EXPECT_FALSE(antenna().CmdMemo[0].visible);
    antenna().form.width = 2000;
    hub->antennaControl().layOut();
    EXPECT_EQ(antenna().form.width, 2000);  // without buttons it may be narrow
    antenna().mnuButton.click();
    EXPECT_TRUE(antenna().mnuButton.checked);
    EXPECT_TRUE(antenna().CmdMemo[0].visible);
    EXPECT_EQ(storedLine("Button"), "Button= 1");
    EXPECT_EQ(antenna().form.width, 2700);  // room for the buttons
    antenna().mnuButton.click();
    EXPECT_EQ(storedLine("Button"), "Button= 0");
}

TEST_F(MemoriesTest, ParkingInputBoxesInEnglishAndSpanish) {
    const struct {
        int language;
        MenuItem AntennaWindow::*item;
        const char* prompt;
        const char* title;
    } cases[] = {
        {0, &AntennaWindow::mnuSetParking, "Enter a new Azimuth Parking Value: ", "Parking Set"},
        {0, &AntennaWindow::mnuSetParkingEl,
         "Enter a new Elevation Parking Value: ", "Parking Set"},
        {2, &AntennaWindow::mnuSetParking,
         "Introduce un nuevo valor de Parking Acimut: ", "Puesta Parking"},
        {2, &AntennaWindow::mnuSetParkingEl,
         "Introduce un nuevo valor de Parking Elevacion: ", "Puesta Parking"},
        {0, &AntennaWindow::mnuAutoParking,
         "Enter the timer for auto-parking: ", "Parking Timer (0-999) in seconds"},
        {2, &AntennaWindow::mnuAutoParking,
         "Introduce el temporizador para realizar el auto-parking: ",
         "Temporizador para el auto parking automático (0-999 seg)"},
    };
    for (const auto& c : cases) {
        reset();
        dialogs.inputs.clear();
        memories().language = c.language;
        settings().azimuthParking = 15;
        settings().elevationParking = 15;
        settings().autoParkingDelay = 15;
        MenuItem& item = antenna().*c.item;
        item.visible = true;
        item.click();
        ASSERT_EQ(dialogs.inputs.size(), 1u);
        EXPECT_EQ(dialogs.inputs[0].prompt, c.prompt);
        EXPECT_EQ(dialogs.inputs[0].title, c.title);
        EXPECT_EQ(dialogs.inputs[0].defaultText, "15");
    }
}

TEST_F(MemoriesTest, ParkingValuesAreCheckedStoredAndCaptioned) {
    const struct {
        MenuItem AntennaWindow::*item;
        std::optional<std::string> answer;
        int azimuth, elevation;  // stored afterwards, from 15 and 15
        const char* caption;
    } cases[] = {
        {&AntennaWindow::mnuSetParkingEl, "120", 15, 120, "Elevation: 120"},
        {&AntennaWindow::mnuSetParkingEl, "181", 15, 15, "Elevation: 15"},
        {&AntennaWindow::mnuSetParking, "360", 360, 15, "Azimuth: 360"},
        {&AntennaWindow::mnuSetParking, "361", 15, 15, "Azimuth: 15"},
        {&AntennaWindow::mnuSetParking, "-1", 15, 15, "Azimuth: 15"},
        {&AntennaWindow::mnuSetParking, std::nullopt, 0, 15, "Azimuth: 0"},  // Cancel
        {&AntennaWindow::mnuSetParking, "north", 0, 15, "Azimuth: 0"},
        {&AntennaWindow::mnuSetParking, "89.5", 90, 15, "Azimuth: 90"},
    };
    for (const auto& c : cases) {
        reset();
        settings().azimuthParking = 15;
        settings().elevationParking = 15;
        memories().loadParkingCaptions();
        dialogs.inputAnswers.push_back(c.answer);
        (antenna().*c.item).click();
        EXPECT_EQ(settings().azimuthParking, c.azimuth) << c.answer.value_or("(cancel)");
        EXPECT_EQ(settings().elevationParking, c.elevation) << c.answer.value_or("(cancel)");
        const MenuItem& caption =
            c.item == &AntennaWindow::mnuSetParkingEl ? antenna().mnuParkEl : antenna().mnuParkAz;
        EXPECT_EQ(caption.caption, c.caption) << c.answer.value_or("(cancel)");
    }
    // A stored change writes all three parking keys with their blank.
    EXPECT_EQ(storedLine("Azimuth Parking"), "Azimuth Parking= 90");
    EXPECT_EQ(storedLine("Elevation Parking"), "Elevation Parking= 15");
    EXPECT_EQ(storedLine("Auto Parking Timer"), "Auto Parking Timer= 0");
}

TEST_F(MemoriesTest, ParkingPointsBothAxes) {
    kolt();
    settings().azimuthParking = 100;
    settings().elevationParking = 30;
    antenna().mnuParkAz.click();
    EXPECT_EQ(taken(5), "M100\r\n");
    EXPECT_EQ(main().txtPreAz.text, "100");
    antenna().mnuParkEl.click();
    EXPECT_EQ(taken(5), "N030\r\n");
    EXPECT_EQ(antenna().AG_EL.needle[1], 30);
}

TEST_F(MemoriesTest, AutoParkingOnceAfterTheDelayOfEachIdlePeriod) {
    setting("General", "Auto Parking", "1");
    setting("General", "Auto Parking Timer", "60");
    setting("General", "Azimuth Parking", "100");
    setting("General", "Elevation Parking", "30");
    hub->start();
    kolt();
    EXPECT_TRUE(antenna().mnuAutoParking.visible);
    EXPECT_EQ(antenna().mnuAutoParking.caption, "Auto Parking ON (60)");
    // Nothing parks before a tracking program has pointed the antenna.
    loop.advance(120'000);
    EXPECT_EQ(pointed(), "");

    std::vector<std::int64_t> sentAt;
    serial.device(5)->onWrite = [&](const std::string& bytes) {
        if (bytes[0] == 'M' || bytes[0] == 'N') sentAt.push_back(loop.elapsedMs());
    };
    state().autoParkingIdle = 0;  // a tracking command
    loop.advance(59'000);
    EXPECT_EQ(pointed(), "");
    loop.advance(1'000);
    EXPECT_EQ(pointed(), "M100\r\nN030\r\n");
    ASSERT_EQ(sentAt.size(), 2u);
    EXPECT_EQ(sentAt[1] - sentAt[0], 200);  // the elevation follows 200 ms later
    loop.advance(300'000);
    EXPECT_EQ(pointed(), "");  // once per idle period

    state().autoParkingIdle = 0;
    loop.advance(61'000);
    EXPECT_EQ(pointed(), "M100\r\nN030\r\n");
}

TEST_F(MemoriesTest, AutoParkingWithADelayOfZeroNeverParks) {
    setting("General", "Auto Parking", "1");
    setting("General", "Auto Parking Timer", "0");
    hub->start();
    kolt();
    EXPECT_EQ(antenna().mnuAutoParking.caption, "Auto Parking ON (0)");
    state().autoParkingIdle = 0;
    loop.advance(10'000);
    EXPECT_EQ(pointed(), "");
    // A delay chosen in the menu is stored and restarts the count full.
    dialogs.inputAnswers.push_back("30");
    antenna().mnuAutoParking.click();
    EXPECT_EQ(antenna().mnuAutoParking.caption, "Auto Parking ON (30)");
    EXPECT_EQ(state().autoParkingIdle, 30);
    EXPECT_EQ(storedLine("Auto Parking Timer"), "Auto Parking Timer= 30");
    dialogs.inputAnswers.push_back("1000");
    antenna().mnuAutoParking.click();
    EXPECT_EQ(hub->settings().autoParkingDelay, 30);
}

TEST_F(MemoriesTest, AutoParkingOffHidesItsEntry) {
    hub->start();
    EXPECT_FALSE(antenna().mnuAutoParking.visible);
    EXPECT_FALSE(timers().TmrAutoParking->isActive());
}

}  // namespace
}  // namespace kolt
