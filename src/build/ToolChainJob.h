// A job that runs the tool chain in the scratch folder, up to three times,
// while its window polls it every 10 ms.
//
// Each attempt starts the job's commands and waits for them to end; only then
// are the logs judged (a log that exists is not yet a finished log), so the
// next attempt never overlaps the last. An attempt ends the job when its
// product exists or the job was stopped (by the stop button or by an error
// found in a log). A tool that cannot be run ends the job with the tool-chain
// message. The job's result: the index of the attempt that ended it (0-2), 3
// after three attempts without product, 2 whenever stopped.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "build/CompileCommands.h"
#include "build/StageView.h"
#include "build/ToolRunner.h"

namespace vx {

class ToolChainJob {
  public:
    virtual ~ToolChainJob() = default;
    ToolChainJob(const ToolChainJob&) = delete;
    ToolChainJob& operator=(const ToolChainJob&) = delete;

    // One poll: starts an attempt when none runs, moves the progress, and
    // judges an ended attempt. False once the job has finished (the window
    // closes then).
    bool Poll();
    // The stop button: ends the running tool chain; the next poll finishes.
    void Stop();

    bool Finished() const { return finished_; }
    int Result() const { return result_; }
    // Bytes of the product after the last attempt, 0 when none.
    int ProductSize() const { return productSize_; }
    bool Stopped() const { return stop_; }
    int Attempts() const { return attempt_ + (finished_ ? 0 : 1); }

    // Called with the scratch folder just before the clean-up (for tests that
    // look at the intermediate files).
    std::function<void(const std::string& scratchFolder)> beforeCleanUp;

  protected:
    ToolChainJob(std::string winDir, bool chinese, StageView& view);

    virtual std::vector<ToolCommand> Commands() const = 0;
    // The file whose existence ends an attempt.
    virtual std::string ProductPath() const = 0;
    // Reads the logs of an ended attempt; may set stop_ and fill the pane.
    virtual void JudgeLogs(CommandChain::State state) = 0;
    // "编译进行中" and the like: the progress text before its dots.
    virtual std::string ProgressWord() const = 0;
    virtual std::string DoneLabel(bool stopped) const = 0;
    // After the last attempt, before the clean-up.
    virtual void AfterAttempts() {}
    // Extensions removed from the scratch folder at the end.
    virtual std::vector<std::string> CleanUpExtensions() const = 0;

    // Ends the job at once, without running the tool chain.
    void FinishEarly(int result);
    // The log's text (UTF-8; a log in another encoding is read as GBK), with
    // leading white space and trailing line ends removed; empty when there is
    // none.
    std::string ReadLog(const std::string& name) const;
    // The box when the stage's own files cannot be prepared, and the heading
    // of the C block's messages, in the job's language.
    std::string DamagedText() const;
    std::string CBlockHeading() const;

    StageView& view_;
    std::string winDir_;
    std::string scratch_;
    bool chinese_;
    bool stop_ = false;

  private:
    void StartAttempt();
    bool ToolChainBroken(CommandChain::State state);
    void EndAttempt(bool made);
    void Finish();

    CommandChain chain_;
    std::vector<ToolCommand> running_;
    bool attemptRunning_ = false;
    bool finished_ = false;
    int attempt_ = 0;
    int poll_ = 0;
    int result_ = 0;
    int productSize_ = 0;
};

}  // namespace vx
