// A serial port held by this program alone.
//
// Every serial port the tool or the updater opens is locked first, in the two
// ways other Linux programs honour: the lock file of the UUCP convention
// ("LCK..ttyUSB0" in /run/lock, the process number in ten characters and a
// line break), taken before the device is even opened, and an exclusive
// flock() on the device, which a descriptor of the lock's own holds for as
// long as the lock lasts. A port that another program or another window of
// this one holds in either way is refused before a byte goes out. A lock file
// whose process has ended is stale and taken over; a lock folder this program
// may not write in is still read, and the flock() alone then holds the port.
// The terminal's exclusive mode is no lock: a process run as root passes it.
//
// The lock folder is $VXTORVIN_LOCKDIR when set (tests point it at a folder of
// their own), else /run/lock, else /var/lock.
#pragma once

#include <string>

namespace vx {

// The folder of the lock files.
std::string SerialLockFolder();

// The lock file of a device: the folder and "LCK.." with the device's name
// below /dev, its slashes turned into "_" ("/dev/ttyUSB0" gives
// "LCK..ttyUSB0", "/dev/pts/3" "LCK..pts_3"). A link is followed to the
// device it names, so that two names of one port share one lock.
std::string SerialLockFile(const std::string& device);

class SerialPortLock {
  public:
    SerialPortLock() = default;
    ~SerialPortLock() { Release(); }
    SerialPortLock(const SerialPortLock&) = delete;
    SerialPortLock& operator=(const SerialPortLock&) = delete;

    // Takes the device. False, holding nothing, when it does not exist, is
    // held by another, or cannot be opened.
    bool Acquire(const std::string& device);
    // Gives the device up: the flock() ends and the lock file goes.
    void Release();
    bool Held() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
    std::string lockFile_;  // empty when no lock file was written
};

}  // namespace vx
