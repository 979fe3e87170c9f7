# Thin wrapper over CMake: `make run`, `make test`, and `make` to build everything.
BUILD_DIR ?= build
PREFIX ?= /usr/local
DESTDIR ?=
JOBS ?= $(shell nproc)
ARGS ?=

FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 600

ASAN_DIR ?= build-asan

.PHONY: all deps configure build run test test-asan fuzz install uninstall deb clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	cd $(BUILD_DIR)/run && ./skyreaver $(ARGS)

test: build
	@scripts/run-tests $(BUILD_DIR)

# Every test against a build with AddressSanitizer and UndefinedBehaviorSanitizer, in its own
# directory; it borrows the content of the normal build. Leaks inside the system's libraries
# (GL driver, toolkit) are listed in tests/sanitizers/lsan.supp; ours are never suppressed.
test-asan: build
	@cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKYREAVER_SANITIZE=address,undefined \
	  -DSKYREAVER_PREBUILT_CONTENT=$(abspath $(BUILD_DIR))/run >/dev/null
	@cmake --build $(ASAN_DIR) -j $(JOBS)
	@ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_odr_violation=0 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  scripts/run-tests $(ASAN_DIR)

# The stage and demo readers under libFuzzer: a separate clang build, each target run FUZZ_SECONDS
# from the seed corpora in tests/fixtures/fuzz/. Not needed by `make test`.
fuzz: deps
	@scripts/install-deps --fuzz
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=Release -DSKYREAVER_FUZZ=ON \
	  -DCMAKE_C_FLAGS="-g -fsanitize=fuzzer-no-link,address" \
	  -DCMAKE_CXX_FLAGS="-g -fsanitize=fuzzer-no-link,address" >/dev/null
	@cmake --build $(FUZZ_DIR) --target map_fuzzer ent_fuzzer dem_fuzzer -j $(JOBS)
	@scripts/run-fuzz $(FUZZ_DIR) $(FUZZ_SECONDS)

# The game under PREFIX, staged under DESTDIR when it is given (see packaging/CMakeLists.txt
# for the layout); CMake records the files in $(BUILD_DIR)/install_manifest.txt, which
# `make uninstall` removes again (give it the same DESTDIR).
install: build
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

uninstall:
	@scripts/uninstall $(BUILD_DIR)/install_manifest.txt "$(DESTDIR)"

# The Debian packages of debian/, built from a copy of the sources with this build's
# content, into $(BUILD_DIR)/deb/; lintian checks them.
deb: build
	@scripts/install-deps --deb
	@scripts/build-deb $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)
