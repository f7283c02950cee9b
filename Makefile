# Entry points: `make run` and `make test` do all the setup on a fresh Debian 12 machine.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
DEBUG_BUILD ?= build-debug
FUZZ_TARGETS := workspace_reader import_matrix import_vector compiler
FUZZ_SECONDS ?= 10
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja

.PHONY: all setup build cli run run-cli demo test test-fast test-asan debug fuzz bench clean

all: build

setup:
	@bash scripts/setup-debian.sh

$(BUILD)/build.ninja: | setup
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release

# WERROR=ON (set by `make test`) builds with -Werror; a plain build keeps
# whatever the build directory was configured with, off by default.
werror_flag = $(if $(WERROR),cmake -S . -B $(1) -DTQ_WERROR=$(WERROR) >/dev/null)

build: setup $(BUILD)/build.ninja
	$(call werror_flag,$(BUILD))
	cmake --build $(BUILD) -j $(JOBS)

# run, run-cli and demo build only the programs they start.
cli: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target tallyquist-cli

# The desktop program on the demo workspace when there is a display to show
# it on; otherwise the console program on the same workspace.
run: setup $(BUILD)/build.ninja
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  cmake --build $(BUILD) -j $(JOBS) --target tallyquist && \
	  $(BUILD)/bin/tallyquist $(wildcard examples/demo.mts); \
	else \
	  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): starting the console program tallyquist-cli instead."; \
	  cmake --build $(BUILD) -j $(JOBS) --target tallyquist-cli && \
	  $(BUILD)/bin/tallyquist-cli $(wildcard examples/demo.mts) $(RUN_ARGS); \
	fi

run-cli: cli
	$(BUILD)/bin/tallyquist-cli $(wildcard examples/demo.mts) $(RUN_ARGS)

# The demo workspace is written by the program itself from its script.
demo: cli
	$(BUILD)/bin/tallyquist-cli -f examples/demo.tqs

test-fast: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The sanitizer build compiles at -O1 with line tables only: the checks are
# the same, the build takes half the time of -O2 -g and reports keep their
# file:line frames.
$(ASAN_BUILD)/build.ninja: | setup
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	      -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
	      -DTQ_SANITIZE=ON -DTQ_BUILD_BENCH=OFF

test-asan: setup $(ASAN_BUILD)/build.ninja
	$(call werror_flag,$(ASAN_BUILD))
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# The debug build: no optimisation, the standard library's assertions and
# checked element indexes; an out-of-range access stops the test there.
$(DEBUG_BUILD)/build.ninja: | setup
	cmake -S . -B $(DEBUG_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug \
	      -DTQ_CHECKED=ON -DTQ_BUILD_BENCH=OFF

debug: setup $(DEBUG_BUILD)/build.ninja
	cmake --build $(DEBUG_BUILD) -j $(JOBS)
	ctest --test-dir $(DEBUG_BUILD) --output-on-failure -j $(JOBS)

# Each fuzz target runs for FUZZ_SECONDS from the seed corpus; a crash or a
# sanitizer report fails the run.
$(FUZZ_BUILD)/build.ninja: | setup
	CC=clang CXX=clang++ cmake -S tests/fuzz -B $(FUZZ_BUILD) $(CMAKE_GEN)

fuzz: setup $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@for t in $(FUZZ_TARGETS); do \
	  echo "== fuzz_$$t ($(FUZZ_SECONDS) s)"; \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t; \
	  $(FUZZ_BUILD)/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=0 \
	    -artifact_prefix=$(FUZZ_BUILD)/crash-$$t- \
	    $(FUZZ_BUILD)/corpus/$$t tests/fuzz/corpus/$$t 2>$(FUZZ_BUILD)/fuzz_$$t.log \
	    || { tail -n 40 $(FUZZ_BUILD)/fuzz_$$t.log; exit 1; }; \
	done

test: WERROR = ON
test: test-fast test-asan fuzz

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b --benchmark_min_time=0.2; done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(DEBUG_BUILD)
