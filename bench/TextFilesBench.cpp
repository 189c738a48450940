// Reads 10 MB profile and language files of several kinds, each in a child
// process of its own, and prints the time and the peak memory of the read
// beside the file's size: a file of blank lines, device comments and
// language entries.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "editor/LanguageFile.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"

using namespace vx;

namespace {

constexpr std::size_t kFileSize = 10u << 20;

std::string Repeat(const std::function<std::string(int)>& line) {
    std::string text;
    for (int i = 0; text.size() < kFileSize; ++i)
        text += line(i);
    return text;
}

// Runs `work` in a child process and waits for it; its peak resident memory in KB.
long PeakOfChild(const std::function<void()>& work) {
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        work();
        std::fflush(stdout);
        _exit(0);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return usage.ru_maxrss;
}

long PeakOfSelf() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void Measure(const char* name, const std::string& path, bool language) {
    const long idle = PeakOfChild([&] { (void)ReadWholeFile(path); });
    PeakOfChild([&] {
        const auto start = std::chrono::steady_clock::now();
        std::size_t count = 0;
        if (language) {
            count = ReadLanguageFile(path).entries.size();
        } else {
            const IniFile ini = IniFile::Load(path);
            for (const std::string& section : ini.Sections())
                count += ini.Keys(section).size();
        }
        const double s =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const long peak = PeakOfSelf();
        std::printf(
            "%-24s %7zu entries in %6.3f s, peak %7ld KB, %7ld KB above the bytes read "
            "(%.1f x the file)\n",
            name, count, s, peak, peak - idle,
            static_cast<double>(peak - idle) / (kFileSize / 1024.0));
    });
}

}  // namespace

int main() {
    char folder[] = "/tmp/text_files_benchXXXXXX";
    if (mkdtemp(folder) == nullptr) {
        std::fprintf(stderr, "text_files_bench: cannot measure: no scratch folder in /tmp\n");
        return 1;
    }
    const std::string dir = folder;
    struct Kind {
        const char* name;
        const char* file;
        bool language;
        std::function<std::string(int)> line;
    };
    const Kind kinds[] = {
        {"profile, blank lines", "blank.ini", false, [](int) { return std::string("\r\n"); }},
        {"profile, blank LF lines", "blanklf.ini", false, [](int) { return std::string("\n"); }},
        {"profile, comments", "comments.Rcm", false,
         [](int i) {
             return i == 0 ? std::string("[Comment]\r\n")
                           : "D" + std::to_string(i) + "=\xC6\xF4\xB6\xAF\xB0\xB4\xC5\xA5\r\n";
         }},
        {"language, blank lines", "blank_lang.ini", true, [](int) { return std::string("\r\n"); }},
        {"language, entries", "kzchs.ini", true,
         [](int i) { return "Form" + std::to_string(i) + ".Label1.Caption=\xCE\xC4\xBC\xFE\r\n"; }},
    };
    for (const Kind& kind : kinds) {
        const std::string path = dir + "/" + kind.file;
        if (!WriteFileAtomically(path, Repeat(kind.line)).ok) {
            std::fprintf(stderr, "text_files_bench: cannot measure: %s cannot be written\n",
                         path.c_str());
            return 1;
        }
        Measure(kind.name, path, kind.language);
        std::remove(path.c_str());
    }
    rmdir(folder);
    return 0;
}
