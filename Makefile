# Thin wrapper over CMake: `make run`, `make test`, and `make` to build everything.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
ARGS ?=

.PHONY: all deps configure build run test clean

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

clean:
	rm -rf $(BUILD_DIR)
