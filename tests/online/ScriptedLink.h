// A link for the pollers' tests: it records the reads asked of it and
// answers a retake only when told to (once, or every time), with a chosen
// bit value and words counting up from a chosen value.
#pragma once

#include <cstdint>
#include <vector>

#include "online/LadderStakeout.h"

namespace vx::test {

class ScriptedLink : public ModbusCalls {
  public:
    struct Read {
        bool bits;
        int start, count, area;
        bool operator==(const Read&) const = default;
    };

    bool Open(const LinkParameters&) override { return true; }
    void Close() override {}
    void ReadBits(int start, int count, int area) override {
        reads.push_back({true, start, count, area});
    }
    void ReadWords(int start, int count, int area) override {
        reads.push_back({false, start, count, area});
    }
    bool RetakeBits(std::uint8_t* into, int count) override {
        if (!Answers()) return false;
        for (int i = 0; i < count; ++i)
            into[i] = bitValue;
        return true;
    }
    bool RetakeWords(std::uint16_t* into, int count) override {
        if (!Answers()) return false;
        for (int i = 0; i < count; ++i)
            into[i] = static_cast<std::uint16_t>(wordValue + i * wordStep);
        return true;
    }

    std::vector<Read> reads;
    int retakes = 0;
    bool answerAlways = false;  // every retake is answered
    bool answerNext = false;    // the next retake is answered
    std::uint8_t bitValue = 1;
    int wordValue = 0;  // word i of an answer is wordValue + i * wordStep
    int wordStep = 0;

  private:
    bool Answers() {
        ++retakes;
        if (answerAlways) return true;
        const bool answer = answerNext;
        answerNext = false;
        return answer;
    }
};

}  // namespace vx::test
