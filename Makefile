# Entry points: `make run`, `make test`, `make sanitize`, `make fuzz`, `make bench`,
# `make install`, `make python`, `make web`, `make web-test`. Each target first
# installs what it needs (Debian packages) when missing and root.
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
WEB_DIR      := build-web
PY_BUILD_DIR := build-python
VENV         := .venv
# Debian's Python, whose packages (NumPy, pybind11, meson-python) the module
# is built with, whatever python3 comes first on the PATH.
PYTHON       ?= /usr/bin/python3

CONFIGURE     = cmake -S . -DTARNIQ_WERROR=$(WERROR) $(CMAKE_FLAGS)

BUILD_PACKAGES := cmake make g++ pkg-config libgtest-dev libcli11-dev nlohmann-json3-dev libdragonbox-dev \
                  libcairo2-dev
# Real readers of the drawings and models the tests write back.
TEST_PACKAGES  := python3 python3-ezdxf poppler-utils
BENCH_PACKAGES := libbenchmark-dev time valgrind
FUZZ_PACKAGES  := clang libclang-rt-dev
WEB_PACKAGES   := emscripten node-acorn nodejs chromium
PYTHON_PACKAGES := pybind11-dev python3-pybind11 python3-mesonpy meson ninja-build python3-numpy python3-venv \
                   python3-pytest python3-hypothesis python3-matplotlib python3-pandas python3-build
# The benchmark's reference implementation of a pattern cut uses SciPy's Fresnel integrals.
PYTHON_BENCH_PACKAGES := python3-scipy

# Emscripten's tools find Debian's node-acorn through NODE_PATH.
WEB_ENV        := NODE_PATH=/usr/share/nodejs

.PHONY: all build run test sanitize fuzz bench callgrind docs install deps deps-test deps-bench deps-fuzz deps-web \
        deps-python configure clean web web-test python

all: build

deps:
	@scripts/ensure-packages $(BUILD_PACKAGES)

deps-test: deps
	@scripts/ensure-packages $(TEST_PACKAGES)

deps-bench: deps
	@scripts/ensure-packages $(BENCH_PACKAGES)

deps-fuzz: deps
	@scripts/ensure-packages $(FUZZ_PACKAGES)

# npm comes with some builds of nodejs; Debian's own nodejs needs its npm package.
deps-web: deps
	@scripts/ensure-packages $(WEB_PACKAGES)
	@command -v npm >/dev/null 2>&1 || scripts/ensure-packages npm

deps-python: deps
	@scripts/ensure-packages $(PYTHON_PACKAGES)

configure: deps
	@$(CONFIGURE) -B $(BUILD_DIR) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# Builds only the interactive program, then starts it.
run: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target tarniq
	@./$(BUILD_DIR)/tarniq

test: deps-test build python
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)
	@TARNIQ_CLI=$(CURDIR)/$(BUILD_DIR)/tarniq-cli $(VENV)/bin/python -m pytest -q -p no:cacheprovider tests/python

# The Python module, built by meson-python (meson.build) and installed into
# .venv, a virtual environment that sees Debian's packages (Debian's Python
# refuses installs into the system): use .venv/bin/python, or source
# .venv/bin/activate. pip uses no package index: everything comes from Debian.
python: deps-python
	@test -x $(VENV)/bin/python || $(PYTHON) -m venv --system-site-packages $(VENV)
	@echo "Building the Python module into $(VENV)"
	@PIP_NO_INDEX=1 PIP_DISABLE_PIP_VERSION_CHECK=1 $(VENV)/bin/python -m pip install --quiet --no-index \
	  --no-build-isolation --config-settings=builddir=$(CURDIR)/$(PY_BUILD_DIR) \
	  --config-settings=setup-args=-Dwerror=$(if $(filter ON on 1 TRUE true YES yes,$(WERROR)),true,false) \
	  --config-settings=compile-args=-j$(JOBS) .

install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

sanitize: deps-test
	@$(CONFIGURE) -B $(SAN_DIR) -DTARNIQ_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(SAN_DIR) -j $(JOBS)
	@ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp \
	  UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir $(SAN_DIR) --output-on-failure -j $(JOBS)

fuzz: deps-fuzz
	@CXX=clang++ $(CONFIGURE) -B $(FUZZ_DIR) -DTARNIQ_FUZZ=ON -DTARNIQ_TESTS=OFF \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS)
	@scripts/run-fuzzers $(FUZZ_DIR) $(FUZZ_SECONDS)

bench: deps-bench python
	@scripts/ensure-packages $(PYTHON_BENCH_PACKAGES)
	@$(CONFIGURE) -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DTARNIQ_BENCH=ON -DTARNIQ_TESTS=OFF >/dev/null
	@cmake --build $(BENCH_DIR) -j $(JOBS)
	@./$(BENCH_DIR)/bench/tarniq_bench
	@scripts/time-example $(BENCH_DIR)/tarniq
	@$(VENV)/bin/python bench/python_bench.py

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

# The web page: $(WEB_DIR)/tarniq.html, one file with the library compiled
# to WebAssembly inside (emscripten).
web: deps-web
	@$(WEB_ENV) emcmake cmake -S . -B $(WEB_DIR) -DTARNIQ_WEB=ON -DTARNIQ_WERROR=$(WERROR) \
	  -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null
	@$(WEB_ENV) cmake --build $(WEB_DIR) -j $(JOBS)
	@echo "Built $(WEB_DIR)/tarniq.html"

# Browser tests of the page in headless Chromium against tarniq-cli, and the
# web build's number conversions against the host's (tests under the
# sanitizers, then WEB_FUZZ_SECONDS of fuzzing). SCREENSHOT=docs/web-page.png
# also redraws the README's picture of the page.
SCREENSHOT       ?=
WEB_FUZZ_SECONDS ?= 10
WEB_NATIVE_FLAGS := -std=c++20 -O1 -g -fsanitize=address,undefined -fno-sanitize-recover=all -Wall -Wextra \
                    -Wpedantic -Wdouble-promotion -Wfloat-conversion -Werror -Iweb web/compat/floating_charconv.cpp
web-test: web configure deps-fuzz
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target tarniq-cli
	@mkdir -p $(WEB_DIR)/native/charconv-corpus
	@g++ $(WEB_NATIVE_FLAGS) web/tests/charconv_test.cpp -lgtest -lgtest_main -pthread -o $(WEB_DIR)/native/charconv_test
	@$(WEB_DIR)/native/charconv_test --gtest_brief=1
	@clang++ $(WEB_NATIVE_FLAGS) -fsanitize=fuzzer web/tests/charconv_fuzz.cpp -o $(WEB_DIR)/native/charconv_fuzz
	@$(WEB_DIR)/native/charconv_fuzz -max_total_time=$(WEB_FUZZ_SECONDS) -max_len=64 -print_final_stats=0 \
	  $(WEB_DIR)/native/charconv-corpus 2>&1 | tail -1
	@cd web/tests && npm ci --no-audit --no-fund --loglevel=error >/dev/null
	@cd web/tests && TARNIQ_CLI=$(CURDIR)/$(BUILD_DIR)/tarniq-cli TARNIQ_PAGE=$(CURDIR)/$(WEB_DIR)/tarniq.html \
	  TARNIQ_WEB_TIMING=$(CURDIR)/$(WEB_DIR)/timing.txt \
	  $(if $(SCREENSHOT),TARNIQ_WEB_SCREENSHOT=$(abspath $(SCREENSHOT))) node --test --test-concurrency=1 page.test.mjs
	@cat $(WEB_DIR)/timing.txt

clean:
	rm -rf $(BUILD_DIR) $(SAN_DIR) $(FUZZ_DIR) $(BENCH_DIR) $(WEB_DIR) $(PY_BUILD_DIR) $(VENV)
