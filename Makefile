# Set-up and everyday commands. `make run` and `make test` install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)
DEPS := cmake make g++ pkg-config qt6-base-dev libqt6sql6-sqlite qt6-multimedia-dev libgl-dev libbenchmark-dev \
        libchm-dev xvfb xauth fonts-dejavu-core poppler-utils desktop-file-utils appstream xdotool
# What `make package` needs besides: dpkg-shlibdeps computes the package's Depends.
PACKAGE_DEPS := dpkg-dev file binutils

.PHONY: all deps install-packages configure build run test package bench sample asan test-asan fuzz clean

all: build

deps:
	@$(MAKE) --no-print-directory install-packages PACKAGES="$(DEPS)"

# Installs those of PACKAGES that are missing (apt-get update first, only when needed).
install-packages:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:$$missing"; \
	  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	cmake --build $(BUILD) -j$(JOBS)

# Opens Karvenna on the sample installation, staged in the build folder (under Xvfb when
# there is no display).
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  $(BUILD)/karvenna; \
	else \
	  echo "No display found: running under Xvfb."; xvfb-run -a $(BUILD)/karvenna; \
	fi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# The Debian package $(BUILD)/karvenna_<version>_<arch>.deb (install it with
# `apt install ./$(BUILD)/karvenna_*.deb`).
package: build
	@$(MAKE) --no-print-directory install-packages PACKAGES="$(PACKAGE_DEPS)"
	cd $(BUILD) && cpack -G DEB

bench: deps
	cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build build-release -j$(JOBS)
	@if [ -x build-release/bench/karvenna-bench-report ]; then build-release/bench/karvenna-bench-report; fi

# Regenerates data/sample from the generator (deterministic).
sample: build
	@$(MAKE) --no-print-directory install-packages PACKAGES="fp-utils"
	$(BUILD)/tools/samplegen/karvenna-samplegen data/sample

asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKARVENNA_SANITIZE=ON >/dev/null
	cmake --build build-asan -j$(JOBS)
	cd build-asan && UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 QT_QPA_PLATFORM=offscreen \
	  ctest --output-on-failure -j$(JOBS)

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer; any finding fails its test.
test-asan: asan

# libFuzzer targets (clang) over the profile reader, record fields, language files and command
# lines; each runs FUZZ_SECONDS. New inputs go to build-fuzz/corpus, the seeds stay in fuzz/corpus.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := profile record language cmdline
fuzz:
	@$(MAKE) --no-print-directory install-packages PACKAGES="cmake make clang libclang-rt-14-dev qt6-base-dev libgl-dev"
	cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build build-fuzz -j$(JOBS)
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p build-fuzz/corpus/$$t; \
	  echo "== fuzz_$$t for $(FUZZ_SECONDS) s"; \
	  build-fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 -artifact_prefix=build-fuzz/ \
	    build-fuzz/corpus/$$t fuzz/corpus/$$t || exit 1; \
	done; rm -rf /dev/shm/karvenna-fuzz-* /tmp/karvenna-fuzz-*

clean:
	rm -rf $(BUILD) build-release build-asan build-fuzz
