#!/usr/bin/env bash
# Compiles the program's Windows-facing code (the framework and the program's own folders)
# with the 32-bit mingw-w64 cross compiler against the real Windows headers, compile only, so
# that our stand-in for the platform keeps the real calls' names, arguments and values.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages g++-mingw-w64-i686-posix
cd "$SKARVEL_ROOT"

# Files that stand in for what a Windows build gets elsewhere: the resource scripts (an .rc file
# there) and the Linux entry point (the framework's WinMain there).
linux_side=(
    platform/afx/EntryPoint.cpp
    platform/afx/FrameworkResources.cpp
    ui/AboutTemplate.cpp
    ui/AppIcon.cpp
    ui/PanelTemplate.cpp
    ui/Resources.cpp
)

compiler=i686-w64-mingw32-g++-posix
failed=0
count=0
for file in $(find platform/afx app panel ui -name '*.cpp' 2>/dev/null | sort); do
    skip=0
    for other in "${linux_side[@]}"; do
        [ "$file" = "$other" ] && skip=1
    done
    [ $skip -eq 1 ] && continue
    count=$((count + 1))
    if ! "$compiler" -std=c++20 -fsyntax-only -Wall -Wextra -Werror -I. "$file"; then
        echo "win32-check: $file does not compile against the Windows headers" >&2
        failed=1
    fi
done
echo "win32-check: $count files compiled against the Windows headers" >&2
exit $failed
