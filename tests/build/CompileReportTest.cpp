// The size and use figures and the texts of the compile's report.
#include "build/CompileReport.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

constexpr int kOldKit = 33792;  // a run-time system of 33.0 KB
constexpr int kKit = 5432;      // the empty program's image with our kit

TEST(CompileReportTest, SizeAboveTheKitsShare) {
    EXPECT_EQ(SizeTenths(33792, kOldKit), 0);
    EXPECT_EQ(SizeHintText(33792, kOldKit), "0.0KB");
    EXPECT_EQ(UseText(33792, kOldKit), " use:0.0%");
    EXPECT_EQ(SizeTenths(100000, kOldKit), 646);
    EXPECT_EQ(SizeHintText(100000, kOldKit), "64.6KB");
    EXPECT_EQ(UseText(100000, kOldKit), " use:25.2%");
    EXPECT_EQ(SizeHintText(33793 + 1024, kOldKit), "1.0KB");

    // Our kit's share is far smaller: a program of ten kilobytes shows as such.
    EXPECT_EQ(SizeHintText(kKit, kKit), "0.0KB");
    EXPECT_EQ(SizeHintText(kKit + 10240, kKit), "10.0KB");
    EXPECT_EQ(UseText(kKit + 10240, kKit), " use:3.9%");
    EXPECT_EQ(SizeHintText(kKit + 1023, kKit), "0.9KB");
    EXPECT_EQ(SizeHintText(kKit + 262144, kKit), "256.0KB");
    EXPECT_EQ(UseText(kKit + 262144, kKit), " use:100.0%");
    EXPECT_EQ(SizeHintText(20000, 0), "19.5KB") << "an unknown share counts the whole image";
}

TEST(CompileReportTest, SmallAndMissingImagesCountAsNothing) {
    for (int size : {0, 1, 3184, 20000, 33791}) {
        EXPECT_EQ(SizeHintText(size, kOldKit), "0.0KB") << size;
        EXPECT_EQ(UseText(size, kOldKit), " use:0.0%") << size;
    }
    EXPECT_EQ(SizeHintText(-5, kKit), "0.0KB");
    EXPECT_EQ(SizeHintText(0, kKit), "0.0KB");
}

TEST(CompileReportTest, SuccessAtAnyAttemptFailureOtherwise) {
    CompileReport first = MakeCompileReport(0, 100000, false, kOldKit);
    EXPECT_TRUE(first.success);
    EXPECT_EQ(first.statusText, " Compiler success: 1 use:25.2%");
    EXPECT_EQ(first.paneLine, "Compiler success: use:25.2%");
    EXPECT_EQ(first.sizeHint, "64.6KB");

    CompileReport third = MakeCompileReport(2, 4000, false, kOldKit);
    EXPECT_TRUE(third.success) << "an image made at the third attempt is an image";
    EXPECT_EQ(third.statusText, " Compiler success: 3 use:0.0%");
    EXPECT_EQ(MakeCompileReport(0, kKit + 5120, false, kKit).statusText,
              " Compiler success: 1 use:1.9%");

    CompileReport stopped = MakeCompileReport(2, 0, true, kKit);
    EXPECT_FALSE(stopped.success);
    EXPECT_EQ(stopped.statusText, " Compilation fails: 3");
    EXPECT_EQ(stopped.paneLine, "Compilation fails!");
    EXPECT_EQ(MakeCompileReport(3, 0, false, kKit).statusText, " Compilation fails: 4");
    EXPECT_EQ(MakeCompileReport(5, 0, false, kKit).statusText, " Compilation fails: 6")
        << "the converter refused the project";
    EXPECT_FALSE(MakeCompileReport(1, 5000, true, kKit).success) << "a stop is never a success";
}

}  // namespace
}  // namespace vx
