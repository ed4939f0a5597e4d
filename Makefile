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

# Runs every benchmark, each printing its table, and fails when one of them
# misses a limit.
bench: build
	@status=0; for b in $(BUILD)/bench/bench_*; do \
	  [ -f "$$b" ] && [ -x "$$b" ] || continue; \
	  echo "== $$(basename $$b)"; \
	  QT_QPA_PLATFORM=offscreen "$$b" || status=1; \
	done; exit $$status

# The .deb of the program, its desktop entry and icon: $(BUILD)/answerbook_*.deb.
package: build
	cd $(BUILD) && cpack

clean:
	rm -rf $(BUILD)
