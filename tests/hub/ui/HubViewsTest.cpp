#include "hub/ui/views/HubViews.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTest>

#include "support/HubOnFakes.h"

namespace kolt {
namespace {

using test::stx;

// The hub on the test doubles with its windows on the offscreen screen.
class HubViewsTest : public ::testing::Test, public test::HubOnFakes {
  protected:
    void startWith(RotatorModel model) {
        ProfileFile(home / "koltvcom.ini")
            .writeString("Prosistel", "Model", std::to_string(static_cast<int>(model)));
        hub->start();
        views = std::make_unique<HubViews>(*hub);
        views->sync();
    }
    void TearDown() override { views.reset(); }

    std::unique_ptr<HubViews> views;
};

TEST_F(HubViewsTest, AModelChangeReachesTheWidgets) {
    startWith(RotatorModel::Azimuth);
    AntennaWindowView& view = views->antenna();
    ASSERT_TRUE(view.isVisible());
    EXPECT_EQ(view.windowTitle(), "Antenna 1 @ 0º");
    // The window's height without its title bar (300 twips).
    EXPECT_EQ(view.size(), QSize(3675 / 15, (2460 - 300) / 15));
    QPushButton* memory = view.button(antenna().CmdMemo[0]);
    ASSERT_NE(memory, nullptr);
    EXPECT_TRUE(memory->isVisible());
    EXPECT_EQ(memory->text(), "Memory-1");
    EXPECT_FALSE(view.elevationDial()->isVisible());

    antenna().CmdMemo[0].caption = "Europe";
    state().azBusy = true;
    hub->display().showAzimuthBusy();
    antenna().mnuButton.click();  // the buttons go away
    views->sync();
    EXPECT_EQ(memory->text(), "Europe");
    EXPECT_FALSE(memory->isVisible());
    EXPECT_TRUE(view.button(antenna().CmdStopAz)->styleSheet().contains("rgb(0, 192, 0)"));
    EXPECT_EQ(view.azimuthDial()->geometry().width(), antenna().AG_Az.rect.width / 15);

    useModel(RotatorModel::AzimuthElevation);
    views->sync();
    EXPECT_TRUE(view.elevationDial()->isVisible());
    EXPECT_EQ(view.height(), (antenna().form.height - 300) / 15);
}

TEST_F(HubViewsTest, AClickOnTheDialPointsTheRotatorAndTheRightButtonStops) {
    startWith(RotatorModel::Azimuth);
    openAzimuth(5);
    timers().TmrAz->stop();  // polls would clutter what the unit is sent
    taken(5);
    DialView* dial = views->antenna().azimuthDial();
    const QPoint east = dial->pointAt(90, 0.5).toPoint();
    QTest::mouseClick(dial, Qt::LeftButton, {}, east);
    EXPECT_NEAR(antenna().AG_Az.needle[1], 90, 2);
    EXPECT_EQ(main().txtPreAz.text.size(), 3u);
    const std::string sent = taken(5);
    EXPECT_EQ(sent.substr(0, 3),
              "\x02"
              "AG");
    EXPECT_NEAR(std::stoi(sent.substr(3)), 90, 2);
    QTest::mouseClick(dial, Qt::RightButton, {}, east);
    EXPECT_EQ(taken(5), stx("AG977"));
}

TEST_F(HubViewsTest, TheMenusCarryTheirCaptionsAndShortcuts) {
    startWith(RotatorModel::RemoteTcp);
    AntennaWindowView& view = views->antenna();
    const struct {
        const MenuItem* item;
        const char* caption;
        const char* shortcut;
    } cases[] = {
        {&antenna().mnuExit, "Exit", "Ctrl+X"},
        {&antenna().mnuRotorSetup, "Rotor Setup", "Ctrl+R"},
        {&antenna().mnuAntennaSetup, "Antenna Setup", "Ctrl+A"},
        {&antenna().mnuVirtualPort, "Virtual Port and Emulation", "Ctrl+V"},
        {&antenna().mnuTcpIp, "TCP/IP Config", "Ctrl+I"},
        {&antenna().mnuWinTestSetup, "WinTest Setup", "Ctrl+W"},
        {&antenna().mnuStepLeft15, "-15º", "Ctrl+F11"},
        {&antenna().mnuStepLeft5, "-5º", "F11"},
        {&antenna().mnuStepRight5, "+5º", "F12"},
        {&antenna().mnuStepRight15, "+15º", "Ctrl+F12"},
        {&antenna().mnuMemo[0], "Memory-1 @ 70", "Shift+F1"},
        {&antenna().mnuMemo[7], "Memory-8 @ 350", "Shift+F8"},
        {&antenna().mnuEdit, "&Edit", "Ctrl+M"},
        {&antenna().mnuAnt[0], "Antenna 1", "Ctrl+F1"},
        {&antenna().mnuAnt[3], "Ant-4", "Ctrl+F4"},  // disabled: never captioned
        {&antenna().mnuRemotoIP[4], "Site 5", "Ctrl+Shift+F5"},
        {&antenna().mnuDisconnect, "Disconnect", "Ctrl+D"},
        {&antenna().mnuDirectory, "Directory", "Ctrl+T"},
        {&antenna().mnuShowAz, "Show Azimuth (digital)", "Ctrl+O"},
        {&antenna().mnuDefaultSize, "Default Size", ""},
        {&antenna().mnuAlwaysActive, "Always active", ""},
        {&antenna().mnuButton, "Memory Buttons", ""},
        {&antenna().mnuParkAz, "Azimuth: 0", ""},
    };
    for (const auto& c : cases) {
        QAction* a = view.action(*c.item);
        ASSERT_NE(a, nullptr) << c.caption;
        EXPECT_EQ(a->text(), QString::fromUtf8(c.caption));
        EXPECT_EQ(a->shortcut(), QKeySequence(c.shortcut)) << c.caption;
    }
    QStringList bar;
    for (QAction* a : view.menuBar()->actions()) {
        if (a->isVisible()) bar << a->text();
    }
    EXPECT_EQ(bar, (QStringList{"&Program", "&Remote", "&Memory", "-15º", "-5º", "+5º", "+15º",
                                "Options"}));
    // Hidden where the tray leads to the settings window; offered where there is none.
    EXPECT_EQ(view.action(antenna().mnuGeneralSetup)->isVisible(),
              !QSystemTrayIcon::isSystemTrayAvailable());
    EXPECT_FALSE(view.action(antenna().mnuTcpIp)->isEnabled());  // its feature is still to come
}

TEST_F(HubViewsTest, MenuActionsReachTheModel) {
    startWith(RotatorModel::Azimuth);
    AntennaWindowView& view = views->antenna();
    view.action(antenna().mnuAlwaysActive)->trigger();
    views->sync();
    EXPECT_TRUE(antenna().mnuAlwaysActive.checked);
    EXPECT_TRUE(view.action(antenna().mnuAlwaysActive)->isChecked());
    EXPECT_TRUE(view.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(view.isVisible());

    view.action(antenna().mnuShowAz)->trigger();
    views->sync();
    EXPECT_TRUE(views->digitalAzimuth().isVisible());

    view.action(antenna().mnuEdit)->trigger();
    views->sync();
    EXPECT_TRUE(views->memoryDialog().isVisible());
    EXPECT_EQ(views->memoryDialog().windowTitle(), "Memory Setup");
    QTest::keyClick(&views->memoryDialog(), Qt::Key_Escape);  // as Cancel, through the model
    views->sync();
    EXPECT_FALSE(hub->memories().dialog().form.visible);
    EXPECT_FALSE(views->memoryDialog().isVisible());
}

TEST_F(HubViewsTest, MenuShortcutsWinOverThePresetBoxsEditingKeys) {
    startWith(RotatorModel::Azimuth);
    AntennaWindowView& view = views->antenna();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    view.presetBox()->setFocus();
    QTest::keyClick(view.presetBox(), Qt::Key_A, Qt::ControlModifier);  // select-all in a box
    views->sync();
    EXPECT_TRUE(hub->antennas().dialog().form.visible);
}

TEST_F(HubViewsTest, TheAntennaSetupClosesWithItsButtons) {
    startWith(RotatorModel::Azimuth);
    views->antenna().action(antenna().mnuAntennaSetup)->trigger();
    views->sync();
    AntennaSetupView& dialog = views->antennaSetup();
    ASSERT_TRUE(dialog.isVisible());
    QPushButton* cancel = nullptr;
    for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
        if (b->text() == "Cancel") cancel = b;
    }
    ASSERT_NE(cancel, nullptr);
    QTest::mouseClick(cancel, Qt::LeftButton);
    views->sync();
    EXPECT_FALSE(hub->antennas().dialog().form.visible);
    EXPECT_FALSE(dialog.isVisible());
    // The window takes its shortcuts again.
    antenna().mnuGeneralSetup.visible = true;
    views->sync();
    views->antenna().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&views->antenna()));
    QTest::keyClick(&views->antenna(), Qt::Key_S, Qt::ControlModifier);
    views->sync();
    EXPECT_TRUE(main().form.visible);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(HubViewsTest, ResizingTheWindowKeepsTheDialsInProportion) {
    startWith(RotatorModel::AzimuthElevation);
    AntennaWindowView& view = views->antenna();
    view.resize(600, view.height());
    views->sync();
    EXPECT_EQ(antenna().form.width, 9000);
    EXPECT_EQ(antenna().form.height, 9000 / 2 + 725);
    EXPECT_EQ(view.height(), (9000 / 2 + 725 - 300) / 15);
    EXPECT_EQ(view.azimuthDial()->width(), view.elevationDial()->width());

    // The window system reporting the model's own size back changes nothing,
    // though 5225 twips are not a whole number of pixels.
    for (int i = 0; i < 5; ++i) {
        QResizeEvent again(view.size(), view.size());
        QApplication::sendEvent(&view, &again);
        views->sync();
    }
    EXPECT_EQ(antenna().form.width, 9000);
    EXPECT_EQ(antenna().form.height, 5225);
}

TEST_F(HubViewsTest, TheSettingsWindowPointsFromItsPresetBox) {
    startWith(RotatorModel::Azimuth);
    openAzimuth(5);
    timers().TmrAz->stop();
    taken(5);
    main().form.visible = true;
    views->sync();
    MainWindowView& view = views->main();
    ASSERT_TRUE(view.isVisible());
    EXPECT_EQ(view.windowTitle(), "KOLT-Virtual COM");
    EXPECT_FALSE(view.tabs()->isTabEnabled(1));
    EXPECT_TRUE(view.tabs()->isTabEnabled(5));
    QLineEdit* box = view.azimuthPresetBox();
    box->setText("");
    QTest::keyClicks(box, "200");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(taken(5), stx("AG200"));
    view.close();  // the close box hides it to the tray
    views->sync();
    EXPECT_FALSE(view.isVisible());
    EXPECT_TRUE(hub->trayIcon().inTray);
}

}  // namespace
}  // namespace kolt
