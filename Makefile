# Entry points: `make run`, `make test`, `make sanitize`, `make fuzz`, `make bench`.
# Each target first installs what it needs (Debian packages) when missing and root.

MAKEFLAGS    += --no-print-directory
JOBS         ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 60
CMAKE_FLAGS  ?=

BUILD_DIR    := build
SAN_DIR      := build-sanitize
FUZZ_DIR     := build-fuzz
BENCH_DIR    := build-bench

BUILD_PACKAGES := cmake make g++ libgtest-dev
BENCH_PACKAGES := libbenchmark-dev time
FUZZ_PACKAGES  := clang libclang-rt-14-dev

.PHONY: all build run test sanitize fuzz bench deps deps-bench deps-fuzz clean

all: build

deps:
	@scripts/ensure-packages $(BUILD_PACKAGES)

deps-bench: deps
	@scripts/ensure-packages $(BENCH_PACKAGES)

deps-fuzz: deps
	@scripts/ensure-packages $(FUZZ_PACKAGES)

build: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@./$(BUILD_DIR)/tarniq

test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

sanitize: deps
	@cmake -S . -B $(SAN_DIR) -DTARNIQ_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(SAN_DIR) -j $(JOBS)
	@ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(SAN_DIR) --output-on-failure -j $(JOBS)

fuzz: deps-fuzz
	@CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DTARNIQ_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS)
	@scripts/run-fuzzers $(FUZZ_DIR) $(FUZZ_SECONDS)

bench: deps-bench
	@cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BENCH_DIR) -j $(JOBS)
	@./$(BENCH_DIR)/tarniq_bench
	@scripts/time-example $(BENCH_DIR)/tarniq

clean:
	rm -rf $(BUILD_DIR) $(SAN_DIR) $(FUZZ_DIR) $(BENCH_DIR)
