# Entry points for newcomers: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
STAMP := $(BUILD_DIR)/.deps-installed

.PHONY: all deps configure build run test test-asan fuzz bench gallery install deb clean

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

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
# A failed allocation must reach the program as it does without ASan (a
# null from new(nothrow)), so the memory-failure tests can run. Leaks the
# codec libraries keep until exit are listed in tests/lsan.supp.
test-asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVESSA_BUILD_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined" \
	  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
	cmake --build build-asan -j $(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1:verify_asan_link_order=0 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ctest --output-on-failure -j $(JOBS)

# Runs every fuzz target (or those in FUZZ_TARGETS) with libFuzzer for
# FUZZ_SECONDS each.
FUZZ_SECONDS ?= 300
FUZZ_TARGETS ?=
fuzz:
	./scripts/install-deps.sh fuzz
	CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCORVESSA_FUZZ=ON -DCORVESSA_BUILD_BENCH=OFF
	./scripts/fuzz.sh build-fuzz $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# Contact sheet of the look pack and the sample photo through every look.
gallery: build
	cmake --build $(BUILD_DIR) --target gallery

# Installs into $(DESTDIR)$(PREFIX): bin/corvessa and bin/corvessa-render,
# their files in share/corvessa/, the desktop entry, the icon, the AppStream
# metadata and the manual pages.
PREFIX ?= /usr/local
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

# The Debian package $(BUILD_DIR)/corvessa_<version>_amd64.deb, its files
# under /usr, checked by lintian.
deb: build
	./scripts/install-deps.sh deb
	cd $(BUILD_DIR) && cpack -G DEB
	lintian --fail-on error $(BUILD_DIR)/corvessa_*_amd64.deb

bench: build
	$(BUILD_DIR)/bin/corvessa-bench

clean:
	rm -rf $(BUILD_DIR) build-asan build-fuzz
