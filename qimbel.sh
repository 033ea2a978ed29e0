#!/usr/bin/env bash
# Build, start and test Qimbel on Debian 12. Missing Debian packages are installed first.
#   ./qimbel.sh start      build and start the GUI
#   ./qimbel.sh test       build everything and run every test
#   ./qimbel.sh sanitize   build the core tests with AddressSanitizer + UBSan and run them
#   ./qimbel.sh screenshots   build the GUI and take the pictures in docs/ again, offscreen
#   ./qimbel.sh fuzz [SECONDS]  build the libFuzzer targets (clang) in build-fuzz, replay the saved
#                          regression inputs, then fuzz each target for SECONDS (default 60)
#   ./qimbel.sh package    build the Debian package build/package/qimbel_VERSION_ARCH.deb
#   ./qimbel.sh web [build|screenshots]  build the web edition (emscripten) into build-web/site and
#                          serve it on http://127.0.0.1:8080; "build" only builds; "screenshots"
#                          retakes docs/web/ in headless chromium
#   ./qimbel.sh web bench  the same lines computed natively and in chromium, timed
set -euo pipefail
cd "$(dirname "$0")"

packages=(g++ cmake ninja-build qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth fonts-wqy-microhei fonts-wqy-zenhei)
# A compiler cache makes a second build on the same machine quick; mold links the test programs
# in a fraction of the time of the default linker.
packages+=(ccache mold)
# The 错题本's database: Qt SQL's SQLite driver for the window, the SQLite library for qimbel-cli.
packages+=(libqt6sql6-sqlite libsqlite3-dev)
# Qt's own texts in Chinese (确定, 取消, the file and print dialogs): qtbase_zh_CN.qm.
packages+=(qt6-translations-l10n)
# Installing and packaging: the validators of the desktop files, dpkg-shlibdeps and file.
packages+=(desktop-file-utils appstream dpkg-dev file)

ensure_packages() {
    local missing=() p
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The web edition: emscripten for the module, chromium and puppeteer-core for its tests, node.
web_packages() {
    packages+=(emscripten chromium python3)
    # Binaryen's wasm-opt, which emcc runs on the modules after linking them.
    packages+=(binaryen)
    # A node from elsewhere (with its own npm) is used as it is; Debian's otherwise.
    command -v node >/dev/null 2>&1 || packages+=(nodejs)
    command -v npm >/dev/null 2>&1 || packages+=(npm)
}

build_web() {
    # Debian's emscripten finds its JavaScript modules through NODE_PATH when the node on PATH
    # is not Debian's own.
    export NODE_PATH=/usr/share/nodejs
    local launcher=()
    command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    # Built for size (-Oz): the module is what a first visit downloads. emcc turns inlining off
    # when optimising for size (-fno-inline-functions), which leaves every std::string accessor a
    # call; -finline-hint-functions inlines the functions written inline (the word problems compute
    # about twice as fast, and the module is 2 % smaller than at -Os alone). The C++ library's
    # std::string is instantiated in each file (_LIBCPP_DISABLE_EXTERN_TEMPLATE) rather than
    # called in emscripten's libc++, which is built with -Oz and so calls even size() and min():
    # compiled here, the string members are inlined where they are used (a third less time on
    # every page, the same size).
    emcmake cmake -S . -B build-web -G Ninja "${launcher[@]}" -DQIMBEL_WEB=ON -DQIMBEL_GUI=OFF \
        -DQIMBEL_BENCH=OFF -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release \
        "-DCMAKE_CXX_FLAGS_RELEASE=-Oz -finline-hint-functions -D_LIBCPP_DISABLE_EXTERN_TEMPLATE -DNDEBUG" >/dev/null
    cmake --build build-web
}

# The native qimbel-cli and qimbel-sheets alone, which the web tests compare with.
build_cli() {
    local launcher=()
    command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B build -G Ninja "${launcher[@]}" >/dev/null
    cmake --build build --target qimbel-cli qimbel-sheets
}

# puppeteer-core from npm drives Debian's chromium; it downloads no browser.
ensure_puppeteer() {
    [ -d build-web/npm/node_modules/puppeteer-core ] && return
    mkdir -p build-web/npm
    npm install --no-audit --no-fund --prefix build-web/npm puppeteer-core@24.43.1
}

# The web edition's tests: the golden texts and random lines through the module under node, then
# the site in headless chromium (screenshots into $1).
test_web() {
    local shots=$1
    node --no-experimental-fetch web/tests/golden.cjs build-web/wasm tests/golden
    node --no-experimental-fetch web/tests/pictures.cjs build-web/wasm build/bin/qimbel-cli
    node web/tests/packaged-data.cjs build-web/wasm build/bin
    node --no-experimental-fetch web/tests/random-lines.cjs build-web/wasm build/bin/qimbel-cli . 1000
    ensure_puppeteer
    node web/tests/browser.cjs build-web/site build/bin/qimbel-cli build-web/npm "$shots"
    node web/tests/browser-charts.cjs build-web/site build/bin/qimbel-cli build-web/npm "$shots"
    node --no-experimental-fetch web/tests/sheets.cjs build-web/wasm build/bin/qimbel-sheets
    node web/tests/browser-practice.cjs build-web/site build/bin/qimbel-sheets build-web/npm "$shots"
    node web/tests/browser-fit.cjs build-web/site build/bin/qimbel-cli build-web/npm "$shots"
    node web/tests/browser-maker.cjs build-web/site build/bin/qimbel-cli build-web/npm "$shots"
    node --no-experimental-fetch web/tests/notebook-rows.cjs build-web/wasm
    node web/tests/browser-notebook.cjs build-web/site build/bin/qimbel-cli build-web/npm "$shots"
}

configure() { # configure DIR CMAKE-ARGS...
    local dir=$1
    shift
    # A compiler cache, where the machine has one, makes a rebuild after a small change quick.
    local launcher=()
    command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B "$dir" -G Ninja "${launcher[@]}" "$@"
}

build() { # build DIR CMAKE-ARGS...
    configure "$@"
    cmake --build "$1"
}

case "${1:-}" in
start)
    ensure_packages
    # Only what the window needs: the core, the GUI, the exercise programs and the data; the
    # tests and benchmarks are built by "test".
    configure build
    cmake --build build --target qimbel chuti kousuan
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display found: starting Qimbel on a virtual X display (xvfb-run)."
        exec xvfb-run -a build/bin/qimbel
    fi
    exec build/bin/qimbel
    ;;
test)
    web_packages
    ensure_packages
    build build
    ctest --test-dir build --output-on-failure -j "$(nproc)"
    build_web
    test_web build-web/screenshots
    ;;
sanitize)
    ensure_packages
    build build-asan -DQIMBEL_SANITIZE=ON -DQIMBEL_GUI=OFF -DQIMBEL_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
    ;;
screenshots)
    ensure_packages
    build build
    cmake --build build --target qimbel-screenshots
    # Run from the build folder, beside the help texts it reads.
    QT_QPA_PLATFORM=offscreen build/bin/qimbel-screenshots docs
    # The main window once more at twice the pixels, as on a high-DPI screen.
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 build/bin/qimbel-screenshots docs screenshot.png \
        screenshots/high-dpi.png
    # The smallest screen at twice the pixels: 1600×1000, which the layout sees as 800×500.
    QT_QPA_PLATFORM=offscreen:configfile=tests/gui/screen-1600x1000.json QT_SCALE_FACTOR=2 \
        build/bin/qimbel-screenshots docs screenshots/window-800x500.png screenshots/window-1600x1000-high-dpi.png
    # 小学数学四则运算自动出题系统: its window, its key and its PDF pages.
    cmake --build build --target chuti-screenshots
    QT_QPA_PLATFORM=offscreen build/bin/chuti-screenshots docs
    ;;
fuzz)
    seconds=${2:-60}
    packages+=(clang libclang-rt-14-dev)
    ensure_packages
    build build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DQIMBEL_FUZZ=ON -DQIMBEL_GUI=OFF -DQIMBEL_BENCH=OFF \
        -DBUILD_TESTING=OFF
    rm -rf build-fuzz/seeds
    sh tests/fuzz/make-seeds.sh build-fuzz/seeds
    failed=()
    # The sanitizer's allocator gives freed memory back and keeps a smaller quarantine, so that
    # the memory limit measures what an input holds, not what a long run has freed.
    export ASAN_OPTIONS=${ASAN_OPTIONS:-allocator_release_to_os_interval_ms=500:quarantine_size_mb=64}
    for target in pages ini units encoding \
        formula graph chart \
        pictures typeset marking; do
        exe=build-fuzz/bin/fuzz_$target
        [ "$target" = units ] && exe=build-fuzz/fuzz-units/fuzz_units
        # A single allocation over 1 GB, or the whole process over 2 GB, is a finding (the
        # sanitizer's allocator keeps some of what a long run has freed).
        options=(-timeout=2 -malloc_limit_mb=1024 -rss_limit_mb=2048 -dict=tests/fuzz/qimbel.dict)
        # QIMBEL_FUZZ_SEED makes a run repeatable (CI's smoke run: the same inputs in the same
        # order on every machine, from the seeds alone); without it every run explores anew.
        [ -n "${QIMBEL_FUZZ_SEED:-}" ] && options+=("-seed=$QIMBEL_FUZZ_SEED")
        mkdir -p "build-fuzz/corpus/$target" "build-fuzz/artifacts/$target"
        echo "== fuzz_$target: saved regression inputs"
        regressions=(tests/fuzz/regressions/$target/*)
        if [ -e "${regressions[0]}" ] && ! "$exe" "${options[@]}" "${regressions[@]}"; then
            failed+=("$target (regressions)")
            continue
        fi
        echo "== fuzz_$target: ${seconds} s"
        # A time-out (-timeout) or too much memory (-rss_limit_mb) ends the run as a finding; an
        # input slower than a second is written as slow-unit-* and, outside CI, kept as a
        # regression input to commit.
        "$exe" "${options[@]}" -max_total_time="$seconds" -print_final_stats=1 -report_slow_units=1 \
            -artifact_prefix="build-fuzz/artifacts/$target/" "build-fuzz/corpus/$target" "build-fuzz/seeds/$target" \
            || failed+=("$target")
        if [ -z "${CI:-}" ]; then
            for slow in build-fuzz/artifacts/$target/slow-unit-*; do
                [ -e "$slow" ] || continue
                echo "slow input kept: tests/fuzz/regressions/$target/$(basename "$slow")"
                mv "$slow" "tests/fuzz/regressions/$target/"
            done
        fi
    done
    if [ ${#failed[@]} -gt 0 ]; then
        echo "fuzz failures: ${failed[*]} (inputs in build-fuzz/artifacts/)" >&2
        exit 1
    fi
    ;;
package)
    ensure_packages
    build build
    cpack --config build/CPackConfig.cmake -B build/package
    ls build/package/qimbel_*.deb
    ;;
web)
    web_packages
    ensure_packages
    build_web
    case "${2:-serve}" in
    build) ;;
    screenshots)
        build_cli
        ensure_puppeteer
        node web/tests/browser.cjs build-web/site build/bin/qimbel-cli build-web/npm docs/web
        node web/tests/browser-charts.cjs build-web/site build/bin/qimbel-cli build-web/npm docs/web
        node web/tests/browser-practice.cjs build-web/site build/bin/qimbel-sheets build-web/npm docs/web
        node web/tests/browser-fit.cjs build-web/site build/bin/qimbel-cli build-web/npm docs/web
        node web/tests/browser-maker.cjs build-web/site build/bin/qimbel-cli build-web/npm docs/web
        node web/tests/browser-notebook.cjs build-web/site build/bin/qimbel-cli build-web/npm docs/web
        ;;
    bench)
        build_cli
        ensure_puppeteer
        node web/tests/bench.cjs build-web/site build/bin/qimbel-cli build-web/npm
        ;;
    serve)
        echo "Qimbel on the web: http://127.0.0.1:8080/  (Ctrl+C stops the server)"
        exec python3 -m http.server 8080 --bind 127.0.0.1 --directory build-web/site
        ;;
    *)
        echo "usage: $0 web [build|screenshots|bench]" >&2
        exit 2
        ;;
    esac
    ;;
*)
    echo "usage: $0 start|test|sanitize|screenshots|package|fuzz [SECONDS]|web [build|screenshots|bench]" >&2
    exit 2
    ;;
esac
