# Developer entry points: `make run` and `make test` work on a fresh Debian 12 machine.
PACKAGES := cmake g++ make qt6-base-dev qt6-svg-dev qt6-translations-l10n libgtest-dev \
            libgmock-dev libbenchmark-dev fonts-ipafont-mincho fonts-ipafont-gothic locales \
            poppler-utils xvfb xauth clang-14 libclang-rt-14-dev clang-format libboost-math-dev
SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)
PRESET ?= dev
BUILD_DIR := build/$(PRESET)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
EXAMPLE ?= examples/embankment.qdw
# How long `make fuzz` runs each fuzz target, in seconds.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := data_file_fuzz settings_fuzz font_file_fuzz location_file_fuzz last_folder_fuzz \
                cp932_fuzz influence_line_fuzz render_fuzz contour_fuzz soil_profile_fuzz
# The sanitizers stop at their first report, and leaks count as reports.
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
                 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

.PHONY: deps build test run bench clean format lint layers fuzz-build fuzz asan-test

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get install -y --no-install-recommends $$missing || \
	  { $(SUDO) apt-get update && $(SUDO) apt-get install -y --no-install-recommends $$missing; }; \
	fi
	@if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$$'; then \
	  echo "Generating the de_DE.UTF-8 locale (used by the locale-independence tests)"; \
	  $(SUDO) sh -c "grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'de_DE.UTF-8 UTF-8' >> /etc/locale.gen; locale-gen >/dev/null"; \
	fi

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j $(JOBS)

# The tests, then a short fixed run of every fuzz target (the fuzz build's own tests).
test: build fuzz-build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)
	$(SANITIZER_ENV) ctest --test-dir build/fuzz --output-on-failure -j $(JOBS)

fuzz-build: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)

# Each fuzz target for FUZZ_SECONDS on its corpus (build/fuzz/corpus/<target>), one after the
# other; a finding stops the run and leaves its input in the working folder.
fuzz: fuzz-build
	@for t in $(FUZZ_TARGETS); do \
	  echo "== $$t for $(FUZZ_SECONDS) s"; \
	  build/fuzz/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -timeout=30 -print_final_stats=1 \
	    build/fuzz/corpus/$$t || exit 1; \
	done

# The whole suite built with the address and undefined-behaviour sanitizers.
asan-test: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	QT_QPA_PLATFORM=offscreen $(SANITIZER_ENV) ctest --test-dir build/asan --output-on-failure \
	  -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display (DISPLAY and WAYLAND_DISPLAY are unset); run it in a desktop session, or: xvfb-run -a make run" >&2; \
	  exit 1; fi
	$(BUILD_DIR)/app/qel $(EXAMPLE)

bench: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	for b in build/release/bench/qel_bench_*; do $$b; done

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# The format check never passes by being skipped: without clang-format it fails.
lint: deps
	@command -v clang-format >/dev/null || { echo "lint: clang-format is not installed" >&2; exit 1; }
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# No file includes a header of a higher floor, and the core includes no Qt header.
layers:
	tools/check_layers

clean:
	rm -rf build
