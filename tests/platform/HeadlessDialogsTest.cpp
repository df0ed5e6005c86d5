#include "platform/HeadlessDialogs.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kolt {
namespace {

TEST(HeadlessDialogsTest, SaysWhatABoxWouldShowAndAnswersItsDefault) {
    std::ostringstream err;
    std::vector<std::string> traced;
    HeadlessDialogs dialogs("koltvcom", err);
    dialogs.setTraceSink([&](const std::string& line) { traced.push_back(line); });

    EXPECT_EQ(dialogs.message(
                  {"Error Opening Com Port: 5", "", MessageButtons::Ok, MessageIcon::Critical}),
              MessageAnswer::Ok);
    EXPECT_EQ(dialogs.message({"Do you want\r\ncontinue?", "Configuration", MessageButtons::YesNo,
                               MessageIcon::Question}),
              MessageAnswer::Yes);
    EXPECT_FALSE(dialogs.input({"Enter a new Azimuth Parking Value: ", "Parking Set", "0"}));

    EXPECT_EQ(err.str(),
              "koltvcom: message: Error Opening Com Port: 5\n"
              "koltvcom: message: [Configuration] Do you want  continue?\n"
              "koltvcom: input box cancelled (no display): Enter a new Azimuth Parking Value: \n");
    ASSERT_EQ(traced.size(), 3u);
    EXPECT_EQ(traced[0], "message: Error Opening Com Port: 5");
}

}  // namespace
}  // namespace kolt
