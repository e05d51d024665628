# Kestrelon's two commands: `make demo` and `make test`. Both install what is missing first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)

PACKAGES = build-essential cmake ninja-build qt6-base-dev libxkbcommon-dev libgtest-dev \
           libgmock-dev libbenchmark-dev lua5.4 xvfb xauth imagemagick xdotool \
           clang-16 libclang-rt-16-dev

.PHONY: all deps build build-asan test test-core test-asan demo clean fuzz

all: build

deps:
	@scripts/install-deps.sh $(PACKAGES)

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DKESTRELON_SANITIZE=ON -DKESTRELON_WITH_QT=OFF -DKESTRELON_BENCHMARKS=OFF >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)

# Every suite in the normal build, then the core suites again under the sanitizers.
test: build build-asan
	@scripts/run-tests.sh $(BUILD) $(ASAN_BUILD)

demo: build
	@scripts/demo.sh $(BUILD)

# The script engine's fuzz target (clang, libFuzzer, ASan, UBSan) for FUZZ_SECONDS seconds.
FUZZ_SECONDS ?= 300
fuzz: deps
	@scripts/fuzz.sh $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
