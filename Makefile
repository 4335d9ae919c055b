# Entry points: `make run`, `make test`, `make sanitize`, `make fuzz`, `make bench`,
# `make install`. Each target first installs what it needs (Debian packages)
# when missing and root.
#
# WERROR=ON turns compiler warnings into errors (CI and development builds);
# a plain `make` leaves them warnings, so a newer compiler cannot break it.

MAKEFLAGS    += --no-print-directory
JOBS         ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 60
WERROR       ?= OFF
PREFIX       ?= /usr/local
CMAKE_FLAGS  ?=

BUILD_DIR    := build
SAN_DIR      := build-sanitize
FUZZ_DIR     := build-fuzz
BENCH_DIR    := build-bench

CONFIGURE     = cmake -S . -DTARNIQ_WERROR=$(WERROR) $(CMAKE_FLAGS)

BUILD_PACKAGES := cmake make g++ libgtest-dev libcli11-dev nlohmann-json3-dev
BENCH_PACKAGES := libbenchmark-dev time valgrind
FUZZ_PACKAGES  := clang libclang-rt-14-dev

.PHONY: all build run test sanitize fuzz bench callgrind docs install deps deps-bench deps-fuzz configure clean

all: build

deps:
	@scripts/ensure-packages $(BUILD_PACKAGES)

deps-bench: deps
	@scripts/ensure-packages $(BENCH_PACKAGES)

deps-fuzz: deps
	@scripts/ensure-packages $(FUZZ_PACKAGES)

configure: deps
	@$(CONFIGURE) -B $(BUILD_DIR) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# Builds only the interactive program, then starts it.
run: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target tarniq
	@./$(BUILD_DIR)/tarniq

test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

sanitize: deps
	@$(CONFIGURE) -B $(SAN_DIR) -DTARNIQ_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(SAN_DIR) -j $(JOBS)
	@ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(SAN_DIR) --output-on-failure -j $(JOBS)

fuzz: deps-fuzz
	@CXX=clang++ $(CONFIGURE) -B $(FUZZ_DIR) -DTARNIQ_FUZZ=ON -DTARNIQ_TESTS=OFF \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS)
	@scripts/run-fuzzers $(FUZZ_DIR) $(FUZZ_SECONDS)

bench: deps-bench
	@$(CONFIGURE) -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DTARNIQ_BENCH=ON -DTARNIQ_TESTS=OFF >/dev/null
	@cmake --build $(BENCH_DIR) -j $(JOBS)
	@./$(BENCH_DIR)/bench/tarniq_bench
	@scripts/time-example $(BENCH_DIR)/tarniq

# Instructions per table row of the 10,000-row session, counted by callgrind.
callgrind: deps-bench
	@$(CONFIGURE) -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DTARNIQ_BENCH=ON -DTARNIQ_TESTS=OFF >/dev/null
	@cmake --build $(BENCH_DIR) -j $(JOBS) --target tarniq
	@scripts/callgrind-session $(BENCH_DIR)/tarniq

# Redraws the plots under docs/ (listed with their tarniq-cli arguments in
# docs/plots.txt); `make test` fails while a committed plot differs.
docs: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target tarniq-cli
	@grep -v '^#' docs/plots.txt | while read -r name arguments; do \
	  ./$(BUILD_DIR)/tarniq-cli $$arguments -o /dev/null --plot docs/$$name || exit 1; \
	done

clean:
	rm -rf $(BUILD_DIR) $(SAN_DIR) $(FUZZ_DIR) $(BENCH_DIR)
