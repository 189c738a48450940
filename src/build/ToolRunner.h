// Runs tool-chain commands one after the other, without a shell and without
// waiting: the caller polls.
//
// Each command starts once the one before it has ended with exit code 0 (as
// "a && b && c" would); the first failure ends the chain. A tool runs in the
// given folder, in a process group of its own, with its normal output
// discarded and its error output written to its log file there. Stop() ends
// the running tool with everything it started (the compiler's passes, the
// assembler, the linker).
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <vector>

#include "build/CompileCommands.h"

namespace vx {

class CommandChain {
  public:
    enum class State {
        Idle,         // nothing started
        Running,      // a tool of the chain is running
        Succeeded,    // every command ended with exit code 0
        Failed,       // a command ended with another exit code
        ToolMissing,  // a tool could not be started (exit code 127)
        Stopped,      // ended by Stop()
    };

    CommandChain() = default;
    ~CommandChain();
    CommandChain(const CommandChain&) = delete;
    CommandChain& operator=(const CommandChain&) = delete;

    // Starts the first command: its tool is toolFolder + "/" + its name.
    // False when no process could be made (the chain is then Failed and
    // `problem` says why).
    bool Start(std::vector<ToolCommand> commands, const std::string& folder,
               const std::string& toolFolder, std::string* problem = nullptr);

    // Looks whether the running tool has ended, starts the next one, and
    // returns the chain's state. Never blocks.
    State Poll();

    // Ends the running tool and its children; the chain is Stopped. Returns
    // once they are gone.
    void Stop();

    State CurrentState() const { return state_; }
    // The command that runs or ended the chain, and its exit code.
    std::size_t CommandIndex() const { return index_; }
    int ExitCode() const { return exitCode_; }

  private:
    bool StartCurrent(std::string* problem);
    void Finish(int status);

    std::vector<ToolCommand> commands_;
    std::string folder_;
    std::string toolFolder_;
    std::size_t index_ = 0;
    pid_t pid_ = -1;
    int exitCode_ = 0;
    State state_ = State::Idle;
};

}  // namespace vx
