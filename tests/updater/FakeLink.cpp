#include "FakeLink.h"

#include <algorithm>

namespace vx::test {

void FakeLink::FeedChip(std::uint8_t byte) {
    if (!chip_) return;
    chip_->Receive(byte);
    Reply(chip_->TakeStrayOutput());
    Reply(chip_->TakeOutput(), answerDelay);
}

void FakeLink::Reply(const std::vector<std::uint8_t>& bytes, Millis delay) {
    for (std::uint8_t byte : bytes)
        inbound_.push_back({byte, clock_.Now() + delay});
}

bool FakeLink::Open(const std::string& device) {
    opened.push_back(device);
    if (refuseOpen) return false;
    open_ = true;
    return true;
}

bool FakeLink::Configure(const LineSettings& s) {
    settings.push_back(s);
    return !refuseSettings;
}

void FakeLink::Purge(bool receive, bool) {
    // Only what has arrived; bytes still on the line come in later.
    if (receive) std::erase_if(inbound_, [this](const Inbound& in) { return Arrived(in); });
}

long FakeLink::Read(std::uint8_t* into, std::size_t max, Clock::TimePoint) {
    if (!open_) return -1;
    if (chip_) Reply(chip_->TakeOutput());  // what the chip sent by itself
    std::size_t n = 0;
    while (n < max && !inbound_.empty() && Arrived(inbound_.front())) {
        into[n++] = inbound_.front().byte;
        inbound_.pop_front();
    }
    if (n > 0 && readObserver_) readObserver_(std::vector<std::uint8_t>(into, into + n));
    return static_cast<long>(n);
}

long FakeLink::Write(const std::uint8_t* bytes, std::size_t count, Clock::TimePoint deadline) {
    if (!open_ || writeFails) return -1;
    std::size_t take = count;
    if (writeLimit >= 0)
        take = std::min<std::size_t>(count,
                                     static_cast<std::size_t>(std::max(0L, writeLimit - taken_)));
    if (take == 0) {
        if (blockWhenFull) clock_.SleepUntil(deadline);
        return 0;
    }
    taken_ += static_cast<long>(take);
    const auto inFlight = static_cast<std::size_t>(std::count_if(
        inbound_.begin(), inbound_.end(), [this](const Inbound& in) { return !Arrived(in); }));
    frames.push_back({clock_.Now(), std::vector<std::uint8_t>(bytes, bytes + take), inFlight});
    for (std::size_t i = 0; i < take; ++i) {
        if (byteHandler_) {
            byteHandler_(bytes[i]);
        } else {
            FeedChip(bytes[i]);
        }
    }
    return static_cast<long>(take);
}

bool FakeLink::SetLine(ModemLine line, bool raised) {
    if (!open_) return false;
    LineChange change{line, raised, clock_.Now(), true};
    lines.push_back(change);
    ReportLine(change);
    if (chip_ && wired_) {
        if (line == ModemLine::Dtr) chip_->SetReset(raised);
        if (line == ModemLine::Rts) chip_->SetBoot0(raised);
    }
    return true;
}

std::vector<std::uint8_t> FakeLink::Written() const {
    std::vector<std::uint8_t> all;
    for (const WrittenFrame& frame : frames)
        all.insert(all.end(), frame.bytes.begin(), frame.bytes.end());
    return all;
}

bool RecordingHost::SawStatus(const std::string& text) const {
    return CountStatus(text) > 0;
}

int RecordingHost::CountStatus(const std::string& text) const {
    return static_cast<int>(std::count(statuses.begin(), statuses.end(), text));
}

std::vector<std::uint8_t> TestImage(std::size_t size, unsigned seed) {
    std::vector<std::uint8_t> image(size);
    unsigned x = seed * 2654435761u + 12345u;
    for (std::uint8_t& b : image) {
        x = x * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>(x >> 16);
    }
    return image;
}

std::vector<std::uint8_t> ExpectedTranscript(const std::vector<std::uint8_t>& image,
                                             bool pageMode) {
    std::vector<std::uint8_t> t{0x7F, 0x00, 0xFF, 0x02, 0xFD, 0x11, 0xEE};
    auto add = [&](std::initializer_list<std::uint8_t> bytes) { t.insert(t.end(), bytes); };
    if (pageMode) {
        add({0x1F, 0xFF, 0xF7, 0xE0, 0xF7, 0x03, 0xFC, 0x43, 0xBC});
    } else {
        add({0x1F, 0xFF, 0x77, 0xDE, 0x49, 0x01, 0xFE, 0x44, 0xBB});
    }
    std::vector<std::uint8_t> erase =
        pageMode ? PageEraseList(image.size()) : SectorEraseList(image.size());
    t.insert(t.end(), erase.begin(), erase.end());
    std::uint32_t address = 0x08000000;
    for (std::size_t offset = 0; offset < image.size(); offset += 256) {
        add({0x31, 0xCE});
        std::uint8_t a[4] = {
            static_cast<std::uint8_t>(address >> 24), static_cast<std::uint8_t>(address >> 16),
            static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address)};
        add({a[0], a[1], a[2], a[3], static_cast<std::uint8_t>(a[0] ^ a[1] ^ a[2] ^ a[3])});
        const std::size_t n = std::min<std::size_t>(256, image.size() - offset);
        const std::size_t padded = (n + 3) / 4 * 4;
        std::uint8_t x = static_cast<std::uint8_t>(padded - 1);
        t.push_back(x);
        for (std::size_t i = 0; i < padded; ++i) {
            const std::uint8_t b = i < n ? image[offset + i] : 0xFF;
            t.push_back(b);
            x ^= b;
        }
        t.push_back(x);
        address += static_cast<std::uint32_t>(n);
    }
    // The read-back between its two Get ID checkpoints.
    add({0x02, 0xFD});
    address = 0x08000000;
    for (std::size_t offset = 0; offset < image.size(); offset += 256) {
        add({0x11, 0xEE});
        const std::vector<std::uint8_t> a = AddressFrame(address);
        t.insert(t.end(), a.begin(), a.end());
        const std::size_t n = std::min<std::size_t>(256, image.size() - offset);
        add({static_cast<std::uint8_t>(n - 1), static_cast<std::uint8_t>(~(n - 1))});
        address += static_cast<std::uint32_t>(n);
    }
    add({0x02, 0xFD});
    return t;
}

}  // namespace vx::test
