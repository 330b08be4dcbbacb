#!/bin/sh
# Installs what is missing, builds, and runs every test: the text rules
# natively (under AddressSanitizer and UndefinedBehaviorSanitizer, with
# bounded fuzzing runs), the Windows program under Wine, the screenshots,
# and cppcheck on the project's own code.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

./scripts/install-deps.sh
./scripts/build.sh native

failed=0
step() {
    name=$1
    shift
    echo "=== $name"
    if "$@"; then
        echo "=== $name: passed"
        passed_steps="${passed_steps:-} $name"
    else
        echo "=== $name: FAILED"
        failed_steps="${failed_steps:-} $name"
        failed=1
    fi
}

ctest_under_display() {
    if [ -n "${DISPLAY:-}" ]; then
        ctest --test-dir build/win32 --output-on-failure "$@"
    else
        xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir build/win32 --output-on-failure "$@"
    fi
}

step native ctest --test-dir build/native --output-on-failure -j 2
step wine ctest_under_display
if [ -x scripts/screenshots.sh ]; then
    step screenshots ./scripts/screenshots.sh build/screenshots
fi
# The README's run command, where it ends by itself: without a display it
# shows the window under Xvfb, saves a screenshot and stops.
if [ -z "${DISPLAY:-}" ]; then
    rm -f build/feldora.png
    step run ./scripts/run.sh 'model=C:\models\plant.mdl'
fi
step cppcheck cppcheck --quiet --error-exitcode=1 --enable=warning,performance,portability \
    --std=c++17 --inline-suppr -I . app framework settings shell export navigate

echo "passed steps:${passed_steps:-}"
echo "failed steps:${failed_steps:-}"
exit $failed
