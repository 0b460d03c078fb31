# make run   installs what is missing, builds and starts Horalo
# make test  installs what is missing, builds and runs every test
# make bench builds and runs the benchmarks, which print their figures
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build run test bench clean format

all: build

deps:
	tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	tools/run.sh $(BUILD)/bin/horalo

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	bench/desktop-bench.sh $(BUILD)
	$(BUILD)/bin/speech_latency_bench 7
	tools/install-deps.sh bench/intelligibility-packages.txt
	$(BUILD)/bin/intelligibility_bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
