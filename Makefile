# Set-up and everyday commands. `make run` and `make test` install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)
DEPS := cmake make g++ pkg-config qt6-base-dev qt6-multimedia-dev libgl-dev libbenchmark-dev \
        libchm-dev xvfb xauth fonts-dejavu-core gstreamer1.0-plugins-base gstreamer1.0-plugins-good

.PHONY: all deps configure build run test bench sample asan clean

all: build

deps:
	@missing=""; for p in $(DEPS); do \
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

# Opens Karvenna on the embedded sample installation (under Xvfb when there is no display).
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  $(BUILD)/karvenna --home data/sample; \
	else \
	  echo "No display found: running under Xvfb."; xvfb-run -a $(BUILD)/karvenna --home data/sample; \
	fi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: deps
	cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build build-release -j$(JOBS)
	@if [ -x build-release/bench/karvenna-bench-report ]; then build-release/bench/karvenna-bench-report; fi

# Regenerates data/sample from the generator (deterministic).
sample: build
	$(BUILD)/tools/samplegen/karvenna-samplegen data/sample

asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKARVENNA_SANITIZE=ON >/dev/null
	cmake --build build-asan -j$(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

clean:
	rm -rf $(BUILD) build-release build-asan
