# The one obvious way in. See README.md.
BUILD      ?= build
ASAN_BUILD ?= build-asan
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
CTEST_FLAGS = --output-on-failure --timeout 120 -j2

.PHONY: all deps build run test test-asan screenshots install bench clean package test-package

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
	$(MAKE) test-asan
	$(MAKE) test-package

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_FLAGS) -DCVTIMER_SANITIZE=ON
	cmake --build $(ASAN_BUILD)
	ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN_BUILD) $(CTEST_FLAGS)

# The Debian package, $(BUILD)/cvtimer_<version>_<arch>.deb, and its checks.
package: build
	rm -f $(BUILD)/cvtimer_*.deb
	cmake --build $(BUILD) --target package

test-package: package
	scripts/check-package $(BUILD)/cvtimer_*.deb

screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/cvtimer-screenshots $(BUILD)/screenshots

bench: build
	$(BUILD)/bin/bench_send

install: build
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
