# The two set-up commands of the README, and their parts. Every target installs what is missing first,
# so each works on a fresh Debian 12 machine.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
JOBS ?= 2
CONFIGURE = cmake -S . -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps build run test test-plain test-sanitize bench package screenshots clean

deps:
	bash scripts/install-deps.sh

build: deps
	$(CONFIGURE) -B $(BUILD)
	cmake --build $(BUILD) -j$(JOBS)

# Builds the editor and opens it.
run: deps
	$(CONFIGURE) -B $(BUILD)
	cmake --build $(BUILD) -j$(JOBS) --target velmora velmora-fonts
	$(BUILD)/src/velmora

# Builds everything and runs every test, plainly and under the address and undefined-behaviour sanitizers.
test: test-plain test-sanitize

test-plain: build
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

test-sanitize: deps
	$(CONFIGURE) -B $(SANITIZE_BUILD) -DVELMORA_SANITIZE=ON -DVELMORA_BUILD_BENCH=OFF
	cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j$(JOBS)

# Runs the benchmarks; each prints its ratios against a naive reference measured in the same run.
bench: build
	for program in $(BUILD)/bench/bench_*; do "$$program"; done

# Builds the Debian package $(BUILD)/velmora_VERSION_ARCH.deb; install it with apt install ./FILE.deb.
package: build
	cd $(BUILD) && cpack -G DEB

# Takes the user guide's pictures (docs/images) from the real windows, off screen.
screenshots: deps
	$(CONFIGURE) -B $(BUILD)
	cmake --build $(BUILD) -j$(JOBS) --target velmora-screenshots velmora-data
	$(BUILD)/tools/velmora-screenshots docs/images $(BUILD)/share/velmora/fonts

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
