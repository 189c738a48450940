// Another process that holds a serial port with flock() alone, as a program
// that knows no lock files does, until the holder is destroyed.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace vx::test {

class PortHolder {
  public:
    // A path that cannot be opened gives a process that lives and holds nothing.
    explicit PortHolder(const std::string& device) {
        int ready[2];
        if (::pipe(ready) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
            const char ok = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? '1' : '0';
            [[maybe_unused]] const ssize_t n = ::write(ready[1], &ok, 1);
            for (;;)
                ::pause();
        }
        ::close(ready[1]);
        char ok = '0';
        held_ = pid_ > 0 && ::read(ready[0], &ok, 1) == 1 && ok == '1';
        ::close(ready[0]);
    }
    ~PortHolder() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    PortHolder(const PortHolder&) = delete;
    PortHolder& operator=(const PortHolder&) = delete;

    bool Held() const { return held_; }
    pid_t Pid() const { return pid_; }

  private:
    pid_t pid_ = -1;
    bool held_ = false;
};

}  // namespace vx::test
