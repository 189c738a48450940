#include "platform/SerialPortNames.h"

#include <gtest/gtest.h>

#include "platform/IniFile.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

TEST(SerialPortNames, DefaultsSettingsAndEnvironment) {
    test::ScopedEnv none1("VXTORVIN_COM1", nullptr);
    test::ScopedEnv none3("VXTORVIN_COM3", nullptr);
    EXPECT_EQ(SerialPortName(0), "COM1");
    EXPECT_EQ(SerialPortPath(0), "/dev/ttyUSB0");
    EXPECT_EQ(SerialPortPath(2), "/dev/ttyUSB2");

    test::TempFolder dir;
    IniFile settings = IniFile::Load(dir / "KZ6-Quillary.ini");
    ASSERT_TRUE(settings.WriteString("configure", "ComDevice3", "/dev/ttyS0"));
    ASSERT_TRUE(settings.WriteInteger("configure", "ComPort", 2));
    ASSERT_TRUE(settings.Save());
    LoadSerialPortSettings(dir / "KZ6-Quillary.ini");
    EXPECT_EQ(SerialPortPath(2), "/dev/ttyS0");
    EXPECT_EQ(SerialPortPath(0), "/dev/ttyUSB0");

    {
        test::ScopedEnv env("VXTORVIN_COM3", "/dev/pts/7");
        EXPECT_EQ(SerialPortPath(2), "/dev/pts/7") << "the environment wins";
    }
    SetSerialPortSetting(2, "");
    EXPECT_EQ(SerialPortPath(2), "/dev/ttyUSB2");
    SetSerialPortSetting(0, "/dev/ttyACM0");
    EXPECT_EQ(SerialPortPath(0), "/dev/ttyACM0");
    LoadSerialPortSettings(dir / "missing.ini");
    EXPECT_EQ(SerialPortPath(0), "/dev/ttyUSB0") << "a reload replaces what was set";
}

}  // namespace
}  // namespace vx
