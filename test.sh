#!/usr/bin/env bash
# Installs what is missing, builds (plain and with sanitizers), starts a
# private X server and runs the whole suite through CTest.
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD

./scripts/setup.sh build
# AddressSanitizer + UndefinedBehaviorSanitizer over the engine and its tests.
./scripts/setup.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DQUARVEL_SANITIZE=address -DQUARVEL_BUILD_GAME=OFF
# ThreadSanitizer over the sound tests only: the output thread races the
# caller's operations there.
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUARVEL_SANITIZE=thread -DQUARVEL_BUILD_GAME=OFF >/dev/null
cmake --build build-tsan --target sound_tests sound_device_tests sound_data_tests

# A private X server: one 1024 by 768 screen, as the tests expect.
for n in $(seq 91 140); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
done
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
# Ready means answering clients, not only having its socket: a game that
# meets a half-started server shows a modal dialog and waits on it.
for _ in $(seq 1 100); do
  DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done
export DISPLAY=":$n"
unset WAYLAND_DISPLAY
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

status=0
echo "== sanitizer build (address, undefined) =="
ctest --test-dir build-asan --output-on-failure -j2 --timeout 300 || status=1
echo "== thread sanitizer build (sound) =="
TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build-tsan/tests/sound --output-on-failure --timeout 300 || status=1
echo "== main build =="
ctest --test-dir build --output-on-failure -j2 --timeout 300 || status=1
exit $status
