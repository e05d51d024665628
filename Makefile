# Kestrelon's commands. `make demo` and `make test` are the README's first two; every target
# installs what is missing first.
BUILD     ?= build
SAN_BUILD ?= build-san
JOBS      ?= $(shell nproc)

PACKAGES = build-essential cmake ninja-build ccache qt6-base-dev libxkbcommon-dev libgtest-dev \
           libgmock-dev libbenchmark-dev libpcre2-dev zlib1g-dev lua5.4 xvfb xauth imagemagick xdotool chromium parallel desktop-file-utils \
           clang-16 libclang-rt-16-dev

# The sanitizer build: clang, AddressSanitizer and UndefinedBehaviorSanitizer, no windows; it
# also links the fuzz targets. Optimised a little, as fuzzing needs speed and the tests do not
# need full debug information for their stack traces.
SAN_FLAGS = -DCMAKE_CXX_COMPILER=clang++-16 -DCMAKE_BUILD_TYPE=Debug \
            "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -gline-tables-only" \
            -DKESTRELON_SANITIZE=ON -DKESTRELON_WITH_QT=OFF -DKESTRELON_BENCHMARKS=OFF

.PHONY: all deps build build-san test check demo clean fuzz package package-check

all: build

deps:
	@scripts/install-deps.sh $(PACKAGES)

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

build-san: deps
	@cmake -S . -B $(SAN_BUILD) -G Ninja $(SAN_FLAGS) >/dev/null
	@cmake --build $(SAN_BUILD) -j $(JOBS)

# Every suite of the normal build (windows included), then the core suites and the fuzz
# replays under the sanitizers.
test: build build-san
	@scripts/run-tests.sh $(BUILD) $(SAN_BUILD)

# The edit-build-test loop: the normal build's fast suites only.
check: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target check-suites
	@scripts/run-tests.sh --fast $(BUILD)

demo: build
	@scripts/demo.sh $(BUILD)

# Real fuzzing: FUZZ_SECONDS per target; FUZZ_TARGET=script|project|figures for one of them.
FUZZ_SECONDS ?= 300
FUZZ_TARGET  ?=
fuzz: build-san
	@scripts/fuzz.sh $(SAN_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGET)

clean:
	rm -rf $(BUILD) $(SAN_BUILD)

# The Debian package of the programs (build/kestrelon_VERSION_ARCH.deb), made by CPack from
# what `cmake --install` puts in place.
package: build
	@cd $(BUILD) && cpack -G DEB

# Installs that package on this machine, starts the programs, and removes it again (root).
package-check: package
	@scripts/check-package.sh $(BUILD)
