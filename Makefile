# Set-up on a fresh Debian 12 machine: `make run` or `make test`; each installs what is missing.
JOBS        ?= $(shell nproc)
BUILD       := build
SAN_BUILD   := build-sanitize
TSAN_BUILD  := build-tsan
FUZZ_BUILD  := build-fuzz
XVFB        := xvfb-run -a -s "-screen 0 1280x1024x24"
FUZZ_SECONDS ?= 20
LONG_FUZZ_SECONDS ?= 600

.PHONY: deps build run install deb test test-deb test-main test-sanitize test-tsan fuzz-build fuzz-brief fuzz bench clean

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/tessivar

# The program, its manual page, launcher, icon, file type, description and
# examples under PREFIX.
PREFIX      ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, tessivar_<version>_<arch>.deb in the build folder.
deb: build
	cd $(BUILD) && cpack -G DEB

# Every stage in turn, with the time each took.
test: deps
	@bash scripts/timed-stages.sh build test-main test-sanitize test-tsan fuzz-brief test-deb

# The package's name, fields and files, its program run, and lintian.
test-deb: deb
	bash tests/package/check-deb.sh $(BUILD)

# The window tests get a runtime folder of their own: CI runs as root without one.
test-main: build
	mkdir -p -m 0700 $(BUILD)/runtime
	XDG_RUNTIME_DIR=$(CURDIR)/$(BUILD)/runtime $(XVFB) ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# Every test under AddressSanitizer and UndefinedBehaviorSanitizer, the window's
# included; line tables (-g1) are all a report needs, and far cheaper to build. The display tests look for every fault but leaks: the display
# libraries keep blocks until exit that no stack can be traced to.
test-sanitize: deps
	cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DTESSIVAR_SANITIZE=ON -DTESSIVAR_BENCH=OFF
	cmake --build $(SAN_BUILD) -j $(JOBS)
	ctest --test-dir $(SAN_BUILD) --output-on-failure -j $(JOBS) -LE gui
	mkdir -p -m 0700 $(SAN_BUILD)/runtime
	XDG_RUNTIME_DIR=$(CURDIR)/$(SAN_BUILD)/runtime ASAN_OPTIONS=detect_leaks=0 \
	  $(XVFB) ctest --test-dir $(SAN_BUILD) --output-on-failure -j $(JOBS) -L gui -LE e2e

# The threads the window starts under ThreadSanitizer: the full-speed run and its
# hand-over, and the render thread with the scene changing while frames are
# drawn. Qt, Mesa and the font libraries are not built with it, so only what
# happens in our own code is checked.
test-tsan: deps
	cmake -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSIVAR_TSAN=ON -DTESSIVAR_BENCH=OFF
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target tessivar_fastrun_tests tessivar_render_window_tests
	TSAN_OPTIONS=halt_on_error=1 $(TSAN_BUILD)/tests/fastrun/tessivar_fastrun_tests
	mkdir -p -m 0700 $(TSAN_BUILD)/runtime
	XDG_RUNTIME_DIR=$(CURDIR)/$(TSAN_BUILD)/runtime TSAN_OPTIONS="ignore_noninstrumented_modules=1 halt_on_error=1" \
	  $(XVFB) $(TSAN_BUILD)/tests/render/tessivar_render_window_tests --gtest_filter='RenderThread.*:SceneView.*'

fuzz-build: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSIVAR_GUI=OFF -DTESSIVAR_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

fuzz-brief: fuzz-build
	bash scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

fuzz: fuzz-build
	bash scripts/fuzz.sh $(FUZZ_BUILD) $(LONG_FUZZ_SECONDS)

bench: build
	bash scripts/bench.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(TSAN_BUILD) $(FUZZ_BUILD)
