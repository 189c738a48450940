#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include "support/MessageRecorder.h"

namespace vx {
namespace {

TEST(Messages, WithoutAPresenterQuestionsGetTheCautiousAnswer) {
    MessagePresenter previous = SetMessagePresenter({});
    testing::internal::CaptureStderr();
    EXPECT_EQ(ShowMessage({"T", "Save?", MsgIcon::Question, MsgButtons::YesNoCancel}),
              MsgAnswer::Cancel);
    EXPECT_EQ(ShowMessage({"T", "Exit?", MsgIcon::Question, MsgButtons::YesNo}), MsgAnswer::No);
    EXPECT_EQ(ShowMessage({"T", "Done", MsgIcon::Information, MsgButtons::Ok}), MsgAnswer::Ok);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Save?"), std::string::npos);
    SetMessagePresenter(std::move(previous));
}

TEST(Messages, RecorderNotesMessagesAndGivesItsAnswersInOrder) {
    test::MessageRecorder outer;
    {
        test::MessageRecorder recorder;
        recorder.Answer(MsgAnswer::Yes);
        EXPECT_EQ(ShowMessage({"KZ6-Quillary", "a", MsgIcon::Question, MsgButtons::YesNo}),
                  MsgAnswer::Yes);
        EXPECT_EQ(ShowMessage({"KZ6-Quillary", "b", MsgIcon::Question, MsgButtons::YesNo}),
                  MsgAnswer::No);
        ASSERT_EQ(recorder.Count(), 2u);
        EXPECT_EQ(recorder.Messages()[0].text, "a");
        EXPECT_EQ(recorder.Last().icon, MsgIcon::Question);
    }
    ShowMessage({"KZ6-Quillary", "c"});
    ASSERT_EQ(outer.Count(), 1u) << "the outer recorder is back once the inner one is gone";
    EXPECT_EQ(outer.Last().text, "c");
}

}  // namespace
}  // namespace vx
