#include "platform/Language.h"

#include <atomic>

namespace vx {
namespace {

// Read from the compile's and the downloader's threads too.
std::atomic<bool>& Chinese() {
    static std::atomic<bool> chinese{true};
    return chinese;
}

}  // namespace

bool InterfaceChinese() {
    return Chinese().load(std::memory_order_relaxed);
}

void SetInterfaceChinese(bool chinese) {
    Chinese().store(chinese, std::memory_order_relaxed);
}

}  // namespace vx
