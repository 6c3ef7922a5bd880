# The two set-up commands of the README, and their parts. Every target installs what is missing first,
# so each works on a fresh Debian 12 machine.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
JOBS ?= 2
CONFIGURE = cmake -S . -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps build run test test-plain test-sanitize bench package check-package screenshots clean

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

# Builds everything and runs every test, plainly and under the address and undefined-behaviour sanitizers,
# then builds the Debian packages and checks them as a Debian reviewer would.
test: test-plain test-sanitize check-package

test-plain: build
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

test-sanitize: deps
	$(CONFIGURE) -B $(SANITIZE_BUILD) -DVELMORA_SANITIZE=ON -DVELMORA_BUILD_BENCH=OFF
	cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j$(JOBS)

# Runs the benchmarks (the programs, not their build folders); each prints its ratios against a
# reference measured in the same run, each beside its target.
bench: build
	for program in $(BUILD)/bench/bench_*; do \
		if [ -f "$$program" ] && [ -x "$$program" ]; then "$$program" || exit 1; fi; \
	done

# Builds the Debian packages $(BUILD)/velmora_VERSION_ARCH.deb and $(BUILD)/velmora-signsim_VERSION_ARCH.deb;
# install them with apt install ./FILE.deb. File dates come from the last commit (SourceDateEpoch.cmake).
package: build
	cd $(BUILD) && cpack -G DEB

# lintian, hardening-check and appstreamcli on the packages, and a second packaging compared byte for byte.
check-package: package
	bash scripts/check-package.sh $(BUILD)

# Takes the user guide's pictures (docs/images) from the real windows, off screen, in English and again in
# Traditional Chinese (docs/images/zh_TW).
screenshots: deps
	$(CONFIGURE) -B $(BUILD)
	cmake --build $(BUILD) -j$(JOBS) --target velmora-screenshots velmora-data
	VELMORA_LANG=en $(BUILD)/tools/velmora-screenshots docs/images $(BUILD)/share/velmora/fonts
	VELMORA_LANG=zh_TW $(BUILD)/tools/velmora-screenshots docs/images/zh_TW $(BUILD)/share/velmora/fonts

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
