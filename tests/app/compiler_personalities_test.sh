#!/usr/bin/env bash
# The resource-compiler personalities end to end, with GNU windres, the MinGW linker and
# llvm-readobj as references: objects made from the same .res file are windres's bytes for
# every target windres has; a script compiled to an object and linked gives a program whose
# resources equal those of the same script's .res linked through windres; the dependency file
# names what the script read; the rc personality makes the same .res; errors come as each
# compiler's users expect them. With a build folder given, `cmake --install` puts both names
# beside the program.
# Usage: compiler_personalities_test.sh BIN_DIR SAMPLE_DIR [BUILD_DIR]. Exit 77: a tool is missing.
set -euo pipefail
bin=$(cd "$1" && pwd)
sample=$(cd "$2" && pwd)
build=${3:+$(cd "$3" && pwd)}
for tool in x86_64-w64-mingw32-windres x86_64-w64-mingw32-gcc llvm-readobj-14; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
windres=x86_64-w64-mingw32-windres
# llvm-readobj's view of a module's resources, without the line naming the file.
resources() { llvm-readobj-14 --coff-resources "$1" | grep -v '^File:'; }

cp -r "$sample" "$work/sample"
cd "$work/sample"

# The same .res as an object, byte for byte windres's, and the object read back.
$windres sample.rc -O res theirs.res
for target in pe-x86-64 pe-i386; do
  $windres -F $target -i theirs.res -o "theirs-$target.o"
  "$bin/tavorin-windres" -F $target -i theirs.res -o "ours-$target.o"
  cmp "theirs-$target.o" "ours-$target.o" || fail "the $target object of a .res differs from windres's"
done
"$bin/tavorin-windres" -F pe-aarch64-little -i theirs.res -o ours-arm64.o
grep -q 'Format: COFF-ARM64' <(resources ours-arm64.o) || fail "the ARM64 object is not one"
diff <(resources ours-arm64.o | grep -v -e Format: -e Arch:) <(resources ours-pe-x86-64.o | grep -v -e Format: -e Arch:) \
  || fail "the ARM64 object holds other resources than the x86-64 one"
"$bin/tavorin-windres" -i ours-pe-x86-64.o -o back.res
"$bin/tavorin-windres" -i back.res -o again.o
cmp ours-pe-x86-64.o again.o || fail "an object read back and written again differs"

# A script to an object, linked.
"$bin/tavorin-windres" -O coff sample.rc ours.o --preprocessor-arg=-MD \
  --preprocessor-arg=-MQ --preprocessor-arg=ours.o --preprocessor-arg=-MFours.d
"$bin/tavorin-windres" sample.rc ours.res
$windres -i ours.res -o reference.o
echo 'int main(void) { return 0; }' > main.c
x86_64-w64-mingw32-gcc main.c ours.o -o ours.exe
x86_64-w64-mingw32-gcc main.c reference.o -o reference.exe
diff <(resources ours.exe) <(resources reference.exe) || fail "the linked object's resources differ from the .res's"
grep -qE 'Total Number of Resources: [1-9][0-9]+' <(resources ours.exe) || fail "the linked program lacks resources"

# The dependency file: the object as target, the script, its headers and its resources' files.
head -1 ours.d | grep -qx 'ours.o: \\' || fail "ours.d does not start with the target: $(head -1 ours.d)"
for file in sample.rc resource.h /usr/share/mingw-w64/include/windows.h sample.ico sample.manifest logo.bmp; do
  grep -q "^ $file\( \\\\\)\?$" ours.d || fail "ours.d lacks $file: $(cat ours.d)"
done

# The rc personality, by name and as `tavorin rc`, makes the same .res; so does -O res.
"$bin/tavorin-rc" /nologo /fo rc.res sample.rc
cmp rc.res ours.res || fail "tavorin-rc made another .res than tavorin-windres"
"$bin/tavorin" rc -FOrc2.res sample.rc
cmp rc2.res ours.res || fail "tavorin rc made another .res"
"$bin/tavorin-rc" sample.rc
cmp sample.res ours.res || fail "tavorin-rc without /fo made no sample.res beside the script"
"$bin/tavorin" windres -O res sample.rc odd-name.o
cmp odd-name.o ours.res || fail "-O res did not decide the format"

# Errors as each compiler's users expect them.
printf '1 BITMAP "logo.bmp"\n2 BITMAP { }\n' > broken.rc
expect_failure() {
  local expected=$1; shift
  local status=0
  "$@" 2> errors.txt || status=$?
  [ "$status" = 1 ] || fail "$* exited with $status"
  grep -qF -- "$expected" errors.txt || fail "$* said: $(cat errors.txt)"
}
expect_failure 'broken.rc:2: error: Character string expected.' "$bin/tavorin-windres" broken.rc broken.o
[ ! -e broken.o ] || fail "a broken script made an object"
expect_failure 'broken.rc(2): error: Character string expected.' "$bin/tavorin-rc" broken.rc
expect_failure "tavorin-windres: error: unrecognized option '--bogus'" "$bin/tavorin-windres" --bogus sample.rc x.o
expect_failure "tavorin-rc: error: unknown option '/bogus'" "$bin/tavorin-rc" /bogus sample.rc
expect_failure "tavorin-windres: error: missing.rc: no such file" "$bin/tavorin-windres" missing.rc x.o
grep -q '^tavorin-windres (Tavorin) ' <("$bin/tavorin-windres" --version) || fail "--version"
grep -q '/fo FILE' <("$bin/tavorin-rc" /?) || fail "/? shows no options"

if [ -n "$build" ]; then
  cmake --install "$build" --prefix "$work/installed" >/dev/null
  for name in tavorin-rc tavorin-windres; do
    [ "$(readlink "$work/installed/bin/$name")" = tavorin ] || fail "cmake --install did not link $name to tavorin"
  done
  "$work/installed/bin/tavorin-windres" sample.rc installed.o
  cmp installed.o ours.o || fail "the installed tavorin-windres made another object"
fi
# A CMake cross build with tavorin-windres as its resource compiler, whose dependency file makes
# a changed icon or header rebuild the resource object and nothing else.
if command -v ninja >/dev/null; then
  mkdir "$work/project"
  cp -r "$sample"/* "$work/project/"
  cat > "$work/project/toolchain.cmake" <<TOOLCHAIN
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc)
set(CMAKE_RC_COMPILER $bin/tavorin-windres)
TOOLCHAIN
  cat > "$work/project/CMakeLists.txt" <<'PROJECT'
cmake_minimum_required(VERSION 3.20)
project(demo C RC)
# Header and resource-file dependencies through the dependency file, as for a C compiler.
set(CMAKE_DEPFILE_FLAGS_RC "--preprocessor-arg=-MD --preprocessor-arg=-MF --preprocessor-arg=<DEP_FILE> --preprocessor-arg=-MQ --preprocessor-arg=<OBJECT>")
set(CMAKE_RC_DEPFILE_FORMAT gcc)
add_executable(demo WIN32 main.c sample.rc)
PROJECT
  printf '#include <windows.h>\nint WINAPI WinMain(HINSTANCE i, HINSTANCE p, LPSTR c, int s) { return 0; }\n' \
    > "$work/project/main.c"
  cmake -S "$work/project" -B "$work/project/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$work/project/toolchain.cmake" \
    >/dev/null || fail "CMake did not take tavorin-windres as its resource compiler"
  ninja -C "$work/project/build" >/dev/null || fail "the CMake build failed"
  grep -q 'Type: MENU' <(resources "$work/project/build/demo.exe") || fail "the CMake-built program lacks its menu"
  for changed in sample.ico resource.h; do
    sleep 1
    touch "$work/project/$changed"
    ninja -C "$work/project/build" > rebuild.txt
    grep -q 'Building RC object' rebuild.txt || fail "changing $changed did not rebuild the resource object"
    ! grep -q 'Building C object' rebuild.txt || fail "changing $changed rebuilt the C source"
  done
fi
echo "compiler personalities: all checks passed"
