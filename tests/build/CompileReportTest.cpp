// The size and use figures and the texts of the compile's report.
#include "build/CompileReport.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(CompileReportTest, SizeAboveTheRunTimeShare) {
    EXPECT_EQ(SizeTenths(33792), 0);
    EXPECT_EQ(SizeHintText(33792), "0.0KB");
    EXPECT_EQ(UseText(33792), " use:0.0%");
    EXPECT_EQ(SizeTenths(100000), 646);
    EXPECT_EQ(SizeHintText(100000), "64.6KB");
    EXPECT_EQ(UseText(100000), " use:25.2%");
    EXPECT_EQ(SizeHintText(33793 + 1024), "1.0KB");
}

TEST(CompileReportTest, SmallAndMissingImagesCountAsNothing) {
    for (int size : {0, 1, 3184, 20000, 33791}) {
        EXPECT_EQ(SizeHintText(size), "0.0KB") << size;
        EXPECT_EQ(UseText(size), " use:0.0%") << size;
    }
    EXPECT_EQ(SizeHintText(-5), "0.0KB");
}

TEST(CompileReportTest, SuccessAtAnyAttemptFailureOtherwise) {
    CompileReport first = MakeCompileReport(0, 100000, false);
    EXPECT_TRUE(first.success);
    EXPECT_EQ(first.statusText, " Compiler success: 1 use:25.2%");
    EXPECT_EQ(first.paneLine, "Compiler success: use:25.2%");
    EXPECT_EQ(first.sizeHint, "64.6KB");

    CompileReport third = MakeCompileReport(2, 4000, false);
    EXPECT_TRUE(third.success) << "an image made at the third attempt is an image";
    EXPECT_EQ(third.statusText, " Compiler success: 3 use:0.0%");

    CompileReport stopped = MakeCompileReport(2, 0, true);
    EXPECT_FALSE(stopped.success);
    EXPECT_EQ(stopped.statusText, " Compilation fails: 3");
    EXPECT_EQ(stopped.paneLine, "Compilation fails!");
    EXPECT_EQ(MakeCompileReport(3, 0, false).statusText, " Compilation fails: 4");
    EXPECT_EQ(MakeCompileReport(5, 0, false).statusText, " Compilation fails: 6")
        << "the converter refused the project";
    EXPECT_FALSE(MakeCompileReport(1, 5000, true).success) << "a stop is never a success";
}

}  // namespace
}  // namespace vx
