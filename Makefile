# Quorvel: the commands of the README. Everything builds through CMake; tests run through CTest.
BUILD      ?= build
ASAN_BUILD ?= build/asan
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all deps configure build test test-release test-asan demo run bench format clean

all: build

deps:
	@scripts/setup-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Every test of the release build, then the same tests built with AddressSanitizer and
# UndefinedBehaviorSanitizer.
test: test-release test-asan

test-release: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_SANITIZE=ON \
	  -DQUORVEL_WITH_BENCH=OFF $(CMAKE_ARGS) >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

demo: build
	@$(BUILD)/tools/render/quorvel-render examples/engine-bench.csv -o $(BUILD)/demo.png
	@echo "wrote $(BUILD)/demo.png"

run: build
	@$(BUILD)/app/quorvel

bench: build
	@$(BUILD)/bench/quorvel-bench

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD)
