# The one obvious way in. See README.md.
BUILD      ?= build
ASAN_BUILD ?= build-asan
WINDOWS_BUILD ?= build-windows
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
# Every build compiles through ccache (scripts/install-deps installs it), into a
# cache beside the Qt for Windows, so a fresh clone on a machine that has built
# before compiles little. Paths below the clone are hashed relative to it, and
# the folder itself is left out of the hash, so any clone shares the cache.
export CCACHE_DIR ?= $(or $(XDG_CACHE_HOME),$(HOME)/.cache)/cvtimer/ccache-project
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1
export CCACHE_MAXSIZE ?= 2G
# The locale only changes the language of the compiler's messages, never an
# object: a build in another locale (make check-reproducible's second one)
# is served from the same entries.
export CCACHE_SLOPPINESS := locale
LAUNCHER = -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
# Reproducible builds: every date the build writes into what it makes is the
# commit's (reproducible-builds.org's SOURCE_DATE_EPOCH), never the clock's. The
# corresponding-source archive, which has no git, carries it in a file.
# Taken once, when make starts, so that every step of one build has the same date.
ifndef SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH := $(shell cat SOURCE_DATE_EPOCH 2>/dev/null || git log -1 --format=%ct)
endif
export SOURCE_DATE_EPOCH
# TESTS=OFF builds what ships and nothing else (the reproducibility check's second build).
TESTS ?= ON
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER) -DCVTIMER_TESTS=$(TESTS)
# -O1 with line tables only: the sanitizers' usual setting, and half the build time of -O2 -g.
ASAN_CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" $(LAUNCHER)
CTEST_FLAGS = --output-on-failure --timeout 120 -j2

.PHONY: all deps build run test test-asan test-trust fuzz fuzz-build windows test-windows screenshots screenshots-windows install bench \
        clean package test-package package-windows test-package-windows check-reproducible release \
        check-screen-reader probe-uia-wine docs-pictures

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: CMakeLists.txt | deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD)

run: build
	scripts/run-with-unit $(BUILD)

test: build
	ctest --test-dir $(BUILD) $(CTEST_FLAGS)
	$(MAKE) check-screen-reader
	$(MAKE) test-asan
	$(MAKE) test-trust
	$(MAKE) test-windows
	$(MAKE) test-package
	$(MAKE) test-package-windows
	$(MAKE) check-reproducible

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) $(ASAN_CMAKE_FLAGS) -DCVTIMER_SANITIZE=ON
	cmake --build $(ASAN_BUILD)
	ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN_BUILD) $(CTEST_FLAGS)

# The window through Debian's Orca on a virtual display, and at 200 % on a
# 1600x900 one (about 15 s; scripts/check-screen-reader says what it checks).
check-screen-reader: build
	scripts/check-screen-reader $(BUILD)

# The file, permission and device tests again as user nobody (when run as
# root), then every checked-in fuzz input run again and each target fuzzed briefly.
test-trust: build
	scripts/test-unprivileged $(BUILD)/bin test_timerfile test_settings test_device test_record test_tools test_gui
	$(MAKE) fuzz-build
	scripts/run-fuzz --recheck $(FUZZ_BUILD) 8

fuzz-build: deps
	cmake -S fuzz -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ $(LAUNCHER)
	cmake --build $(FUZZ_BUILD)

# make fuzz FUZZ_SECONDS=600 [FUZZ_TARGETS="fuzz_timer_file ..."]
fuzz: fuzz-build
	scripts/run-fuzz $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# make package-windows WINDOWS_SIGN_PFX=cert.pfx WINDOWS_SIGN_PASSWORD_FILE=pass.txt
#   [WINDOWS_SIGN_TIMESTAMP_URL=http://...] signs the programs and the installer.
WINDOWS_SIGN_PFX ?=
WINDOWS_SIGN_PASSWORD_FILE ?=
WINDOWS_SIGN_TIMESTAMP_URL ?=

# cvtimer.exe, cvtimerctl.exe and the tests for 64-bit Windows (MinGW-w64, static),
# against the static Qt that scripts/build-qt-windows builds once and caches.
# A Qt built from another recipe is configured against afresh: CMake would
# keep finding the old one it remembers.
windows: deps
	scripts/build-qt-windows >/dev/null
	@qt=$$(scripts/build-qt-windows --prefix); qt_source=$$(scripts/build-qt-windows --source) || exit 1; \
	if [ -f $(WINDOWS_BUILD)/CMakeCache.txt ] && \
	   ! grep -qxF "CVTIMER_QT_WINDOWS:PATH=$$qt" $(WINDOWS_BUILD)/CMakeCache.txt; then \
	  echo "windows: Qt for Windows is now $$qt; configuring afresh"; \
	  rm -rf $(WINDOWS_BUILD)/CMakeCache.txt $(WINDOWS_BUILD)/CMakeFiles; \
	fi; \
	set -x; cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release $(LAUNCHER) -DCVTIMER_TESTS=$(TESTS) \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCVTIMER_LINUX_CTL=$(CURDIR)/$(BUILD)/bin/cvtimerctl \
	  -DCVTIMER_QT_WINDOWS=$$qt -DCVTIMER_QT_WINDOWS_SOURCE=$$qt_source \
	  "-DCVTIMER_SIGN_PFX=$(if $(WINDOWS_SIGN_PFX),$(abspath $(WINDOWS_SIGN_PFX)))" \
	  "-DCVTIMER_SIGN_PASSWORD_FILE=$(if $(WINDOWS_SIGN_PASSWORD_FILE),$(abspath $(WINDOWS_SIGN_PASSWORD_FILE)))" \
	  "-DCVTIMER_SIGN_TIMESTAMP_URL=$(WINDOWS_SIGN_TIMESTAMP_URL)"
	cmake --build $(WINDOWS_BUILD)

# The Windows tests under Wine, on a virtual display for the real window; the
# simulated units they talk to run on Linux.
test-windows: build windows
	xvfb-run -a -s "-screen 0 1280x1024x24" scripts/test-windows $(WINDOWS_BUILD) $(CTEST_FLAGS)

# What Wine's UI Automation reads of cvtimer.exe's fields (see the script).
probe-uia-wine: windows
	xvfb-run -a -s "-screen 0 1600x900x24" scripts/probe-uia-wine $(WINDOWS_BUILD)

# The Windows installer and zip, $(WINDOWS_BUILD)/CVTimer-<version>-x64.msi and .zip,
# and their checks: installed, run, upgraded and removed again under Wine, on a
# virtual display for the window.
package-windows: windows
	cmake --build $(WINDOWS_BUILD) --target package-windows

test-package-windows: package-windows
	xvfb-run -a -s "-screen 0 1280x1024x24" scripts/check-windows-package $(WINDOWS_BUILD)

# The Debian package, $(BUILD)/cvtimer_<version>_<arch>.deb, its bill of
# materials (.deb.spdx.json beside it), and its checks.
package: build
	rm -f $(BUILD)/cvtimer_*.deb*
	# CPack gives the package's own members (debian-binary, the two tarballs) the modes the umask leaves.
	umask 022 && cmake --build $(BUILD) --target package
	deb=$$(ls $(BUILD)/cvtimer_*.deb) && scripts/spdx-bom --artifact $$deb --output $$deb.spdx.json

test-package: package
	scripts/check-package $(BUILD)/cvtimer_*.deb

# The same artifacts built once more in another folder, by another user, at
# another time, in another time zone, umask and locale: byte for byte the same.
check-reproducible: package package-windows
	scripts/check-reproducible $(BUILD) $(WINDOWS_BUILD)

# Everything a release publishes, in dist/: the .deb, the .msi and the .zip,
# each with its bill of materials, the corresponding source of the Windows
# programs, the release notes and SHA256SUMS. Signed as package-windows signs.
release: package package-windows
	scripts/make-release $(BUILD) $(WINDOWS_BUILD) dist

# At 100 %, then on a 1366x768 laptop at 150 % and a 1600x900 one at 200 %; Spanish, French and
# the pseudo-language (longer than either, for sizing) at 100 % and 150 % in es/, fr/ and pseudo/.
# Drawn with the project's own fonts (tests/fonts/fonts.conf), as the docs check draws them.
screenshots: export FONTCONFIG_FILE = $(CURDIR)/tests/fonts/fonts.conf
screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/cvtimer-screenshots $(BUILD)/screenshots
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/cvtimer-screenshots $(BUILD)/screenshots/150 --screen 1366x768@144
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/cvtimer-screenshots $(BUILD)/screenshots/200 --screen 1600x900@192
	for language in es fr pseudo; do \
	  QT_QPA_PLATFORM=offscreen $(BUILD)/bin/cvtimer-screenshots $(BUILD)/screenshots/$$language --language $$language && \
	  QT_QPA_PLATFORM=offscreen $(BUILD)/bin/cvtimer-screenshots $(BUILD)/screenshots/$$language/150 \
	    --screen 1366x768@144 --language $$language || exit 1; \
	done

# Every picture the docs show, in every language (docs/images/, docs/images/es/, ...),
# drawn afresh where the window draws it otherwise now; drawn as the docs check
# draws them (scripts/check-docs --redraw).
docs-pictures: build
	scripts/check-docs . --redraw --render $(BUILD)/bin/cvtimer-screenshots

# The same windows drawn by cvtimer.exe's Qt under Wine, to $(WINDOWS_BUILD)/screenshots/,
# on a 1600x900 display at 100 %, 150 % and 200 %, and in es/, fr/ and pseudo/ as above.
screenshots-windows: windows
	xvfb-run -a -s "-screen 0 1600x900x24" scripts/screenshots-windows $(WINDOWS_BUILD)

# The start-up figures once offscreen and once on X11 (a virtual display).
bench: build
	$(BUILD)/bin/bench_send
	$(BUILD)/bin/bench_port_menu
	$(BUILD)/bin/bench_dayparts $(BUILD)/bin/cvtimerctl
	$(BUILD)/bin/bench_start
	xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD)/bin/bench_start --platform xcb

install: build
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(WINDOWS_BUILD) $(FUZZ_BUILD)
