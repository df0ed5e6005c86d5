#include "platform/ProfileFile.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace kolt {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

class ProfileFileTest : public ::testing::Test {
  protected:
    std::filesystem::path file() const { return dir / "koltvcom.ini"; }
    TempDir dir;
};

const char* const kHandEdited =
    "; the station's settings\n"
    "[General]\n"
    "QUICK EXIT = 1\n"
    "Name=\"quoted value\"\n"
    "Other='single'\n"
    "Half=\"open\n"
    "  Padded Key  =   spaced value   \n"
    "Twice=first\n"
    "twice=second\n"
    "\n"
    "[Extra Section]\n"
    "; a comment that must stay\n"
    "Unknown=kept\n";

TEST_F(ProfileFileTest, ReadsWithTheWindowsRules) {
    writeFile(file(), kHandEdited);
    const ProfileFile ini(file());
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"General", "QUICK EXIT", "1"},
        {"general", "quick exit", "1"},       // names match without regard to case
        {"GENERAL", "Name", "quoted value"},  // one pair of quotes goes
        {"General", "Other", "single"},
        {"General", "Half", "\"open"},  // an unmatched quote stays
        {"General", "Padded Key", "spaced value"},
        {"General", "Twice", "first"},  // the first of two keys counts
        {"Extra Section", "Unknown", "kept"},
        {"Extra Section", "; a comment that must stay", "absent"},
        {"General", "Missing", "absent"},
        {"No Section", "QUICK EXIT", "absent"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ini.readString(c.section, c.key, "absent"), c.expected)
            << c.section << " / " << c.key;
    }
}

TEST_F(ProfileFileTest, AMissingFileReadsAsEmpty) {
    const ProfileFile ini(dir / "nothing.ini");
    EXPECT_EQ(ini.readString("General", "Key"), "");
    EXPECT_EQ(ini.readString("General", "Key", "default"), "default");
    EXPECT_EQ(ini.readInt("General", "Key", 7), 7);
}

TEST_F(ProfileFileTest, ABufferKeepsRoomForItsTerminator) {
    const std::string long200(200, 'x');
    writeFile(file(), "[S]\nK=" + long200 + "\nShort=abc\n");
    const ProfileFile ini(file());
    EXPECT_EQ(ini.readString("S", "K", {}, 120).size(), 119u);
    EXPECT_EQ(ini.readString("S", "K").size(), 200u);
    EXPECT_EQ(ini.readString("S", "Short", {}, 120), "abc");
}

TEST_F(ProfileFileTest, ReadIntTakesTheLeadingWholeNumber) {
    writeFile(file(), "[S]\na=42\nb=-7\nc=12abc\nd=abc\ne=\nf= 5\ng=99999999999\n");
    const ProfileFile ini(file());
    EXPECT_EQ(ini.readInt("S", "a", 1), 42);
    EXPECT_EQ(ini.readInt("S", "b", 1), -7);
    EXPECT_EQ(ini.readInt("S", "c", 1), 12);
    EXPECT_EQ(ini.readInt("S", "d", 1), 0);
    EXPECT_EQ(ini.readInt("S", "e", 1), 1);  // empty counts as missing
    EXPECT_EQ(ini.readInt("S", "f", 1), 5);
    EXPECT_EQ(ini.readInt("S", "g", 1), 2147483647);
    EXPECT_EQ(ini.readInt("S", "zz", 3), 3);
}

TEST_F(ProfileFileTest, WritingCreatesTheFile) {
    ProfileFile ini(file());
    ASSERT_TRUE(ini.writeString("General", "QUICK EXIT", "1"));
    ASSERT_TRUE(ini.writeString("General", "Model", "0"));
    ASSERT_TRUE(ini.writeString("VCOM", "COM", "COM3"));
    EXPECT_EQ(readFile(file()), "[General]\nQUICK EXIT=1\nModel=0\n\n[VCOM]\nCOM=COM3\n");
}

TEST_F(ProfileFileTest, WritingKeepsEveryOtherLineAsItWas) {
    writeFile(file(), kHandEdited);
    ProfileFile ini(file());
    ASSERT_TRUE(ini.writeString("general", "quick exit", "0"));
    ASSERT_TRUE(ini.writeString("General", "New Key", "new"));
    ASSERT_TRUE(ini.writeString("Added", "K", "v"));
    EXPECT_EQ(readFile(file()),
              "; the station's settings\n"
              "[General]\n"
              "QUICK EXIT=0\n"
              "Name=\"quoted value\"\n"
              "Other='single'\n"
              "Half=\"open\n"
              "  Padded Key  =   spaced value   \n"
              "Twice=first\n"
              "twice=second\n"
              "New Key=new\n"
              "\n"
              "[Extra Section]\n"
              "; a comment that must stay\n"
              "Unknown=kept\n"
              "\n"
              "[Added]\n"
              "K=v\n");
}

TEST_F(ProfileFileTest, AWindowsFileKeepsItsLineEnds) {
    writeFile(file(), "[General]\r\nA=1\r\n[Other]\r\nB=2");
    ProfileFile ini(file());
    ASSERT_TRUE(ini.writeString("General", "C", "3"));
    ASSERT_TRUE(ini.writeString("Other", "D", "4"));
    EXPECT_EQ(readFile(file()), "[General]\r\nA=1\r\nC=3\r\n[Other]\r\nB=2\r\nD=4\r\n");
    EXPECT_EQ(ini.readString("General", "A"), "1");
}

TEST_F(ProfileFileTest, AValueCannotAddLines) {
    ProfileFile ini(file());
    ASSERT_TRUE(ini.writeString("S", "K", "one\r\n[Evil]\nX=1"));
    EXPECT_EQ(ini.sectionNames(), std::vector<std::string>{"S"});
    EXPECT_EQ(ini.readString("S", "K"), "one  [Evil] X=1");
}

TEST_F(ProfileFileTest, RefusesNamesThatWouldBreakTheFile) {
    ProfileFile ini(file());
    EXPECT_FALSE(ini.writeString("", "K", "v"));
    EXPECT_FALSE(ini.writeString("A]B", "K", "v"));
    EXPECT_FALSE(ini.writeString("S", "", "v"));
    EXPECT_FALSE(ini.writeString("S", "K=L", "v"));
    EXPECT_FALSE(ini.writeString("S", "K\nL", "v"));
    EXPECT_FALSE(std::filesystem::exists(file()));
}

TEST_F(ProfileFileTest, AFolderThatIsNotThereFailsTheWrite) {
    ProfileFile ini(dir / "missing" / "x.ini");
    EXPECT_FALSE(ini.writeString("S", "K", "v"));
}

TEST_F(ProfileFileTest, LeavesNoTemporaryFileBehind) {
    ProfileFile ini(file());
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(ini.writeString("S", "K" + std::to_string(i), "v"));
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST_F(ProfileFileTest, DeletesKeysAndSections) {
    writeFile(file(), "[A]\nx=1\ny=2\n[B]\nz=3\n[C]\nw=4\n");
    ProfileFile ini(file());
    ASSERT_TRUE(ini.deleteKey("a", "X"));
    ASSERT_TRUE(ini.deleteSection("b"));
    EXPECT_EQ(readFile(file()), "[A]\ny=2\n[C]\nw=4\n");
    EXPECT_EQ(ini.keyNames("A"), std::vector<std::string>{"y"});
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"A", "C"}));
}

TEST_F(ProfileFileTest, IgnoresAByteOrderMark) {
    writeFile(file(), "\xEF\xBB\xBF[General]\nA=1\n");
    EXPECT_EQ(ProfileFile(file()).readString("General", "A"), "1");
}

}  // namespace
}  // namespace kolt
