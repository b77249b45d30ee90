# Two entry points for a fresh Debian machine: `make run` and `make test`.
# Both install the missing Debian packages first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

.PHONY: deps configure build run test unit test-asan test-tsan fuzz-smoke package clean

deps:
	scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/app/quorvel

# Every test: the plain suite, the whole suite again under AddressSanitizer and UBSan, and
# a short run of every fuzz target (FUZZ_SECONDS each). See tests/README.md.
FUZZ_SECONDS ?= 15

test: unit test-asan fuzz-smoke

# The plain suite only (the quick loop while developing).
unit: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan: deps
	JOBS=$(JOBS) scripts/sanitizer-tests asan

# The worker-thread tests under ThreadSanitizer (not part of `make test`: a build of its own).
test-tsan: deps
	JOBS=$(JOBS) scripts/sanitizer-tests tsan

fuzz-smoke: deps
	JOBS=$(JOBS) FUZZ_PARALLEL=$(JOBS) scripts/fuzz $(FUZZ_SECONDS)

# The Debian package: $(BUILD_DIR)/quorvel_<version>_<arch>.deb (see README).
package: build
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR) build-asan build-tsan
