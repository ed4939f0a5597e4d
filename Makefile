# answerbook: `make run` to start the program, `make test` to run every test.
# Both install what is missing first.

BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench clean

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

clean:
	rm -rf $(BUILD)
