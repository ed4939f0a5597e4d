# answerbook: `make run` to start the program, `make test` to run every test,
# `make bench` to run every benchmark, `make package` to build the .deb.
# Each installs what is missing first.

BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench package clean

all: build

deps:
	scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/answerbook

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Prints one table of every speed and memory figure, each next to what it is
# compared with, and fails when one of them misses its target.
bench: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_answerbook

# The .deb of the program, its desktop entry and icon: $(BUILD)/answerbook_*.deb.
package: build
	cd $(BUILD) && cpack

clean:
	rm -rf $(BUILD)
