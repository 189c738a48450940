#include "build/FakeTools.h"

#include <filesystem>

#include "platform/SystemFolders.h"
#include "support/TempFolder.h"

namespace vx::test {

void WriteScript(const std::string& path, const std::string& body) {
    WriteTestFile(path, "#!/bin/sh\n" + body);
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

void InstallFakeTools(const std::string& toolFolder) {
    // Modes: ok, cerror (every compile fails with an error), warn (compiles
    // warn), undefined / aeabi (the link misses a symbol), odd (the link fails
    // with another message), third (the link fails twice, then works), hang
    // (the compile never ends), late (the compile's error comes after a pause),
    // broken (a compiler pass is missing).
    WriteScript(JoinPath(toolFolder, "arm-eabi-gcc"), R"(
out=""; prev=""; compile=no
for a in "$@"; do
  [ "$prev" = "-o" ] && out="$a"
  [ "$prev" = "--output" ] && out="$a"
  [ "$a" = "-c" ] && compile=yes
  prev="$a"
done
echo "gcc $*" >> ../calls.log
case "$VX_FAKE_GCC" in
  cerror) if [ $compile = yes ]; then echo "PLCC.c:3:9: error: 'x' undeclared" >&2; exit 1; fi ;;
  warn) if [ $compile = yes ]; then echo "PLCC.c:3:7: warning: unused variable 'u'" >&2; fi ;;
  undefined) if [ $compile = no ]; then echo "PCC.d: in function 'function1':" >&2
             echo "PLCC.c:4: undefined reference to \`Missing'" >&2; exit 1; fi ;;
  aeabi) if [ $compile = no ]; then echo "undefined reference to \`__aeabi_dadd'" >&2; exit 1; fi ;;
  odd) if [ $compile = no ]; then echo "ld: cannot open linker script file ../ST.ld" >&2; exit 1; fi ;;
  third) if [ $compile = no ]; then
           n=$(cat ../count 2>/dev/null || echo 0); n=$((n+1)); echo $n > ../count
           [ $n -lt 3 ] && exit 1
         fi ;;
  hang) sleep 30; echo "gcc ended on its own" >> ../calls.log ;;
  late) if [ $compile = yes ]; then sleep 0.3; echo "PLC.c:1:1: error: late" >&2; exit 1; fi ;;
  broken) echo "arm-none-eabi-gcc: fatal error: cannot execute 'cc1': execvp: No such file or directory" >&2; exit 1 ;;
esac
echo object > "$out"
)");
    WriteScript(JoinPath(toolFolder, "arm-eabi-objcopy"), R"(
echo "objcopy $*" >> ../calls.log
for last in "$@"; do :; done
printf 'IMAGE-BYTES' > "$last"
)");
}

}  // namespace vx::test
