# Entry points for newcomers: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
STAMP := $(BUILD_DIR)/.deps-installed

.PHONY: all deps configure build run test bench clean

all: build

$(STAMP): scripts/install-deps.sh
	./scripts/install-deps.sh
	mkdir -p $(BUILD_DIR) && touch $@

deps: $(STAMP)

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./scripts/run.sh $(BUILD_DIR)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD_DIR)/bench/corvessa-bench

clean:
	rm -rf $(BUILD_DIR)
