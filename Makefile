# KORVANTE — the everyday commands. See README.md.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps build run test bench asan screenshot package install format format-check clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	bash scripts/run-demo.sh $(BUILD)

test: build
	cd $(BUILD) && KORVANTE_NO_SHUTDOWN=1 QT_QPA_PLATFORM=offscreen \
	  ctest --output-on-failure -j $(JOBS) --timeout 300

bench: build
	bash bench/run-all.sh $(BUILD)

asan: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVANTE_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)
	cd build-asan && KORVANTE_NO_SHUTDOWN=1 QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS) --timeout 600

screenshot: build
	bash scripts/screenshot.sh $(BUILD)

# A Debian package built from the tree, in $(BUILD)/.
package: build
	cd $(BUILD) && cpack -G DEB

# PREFIX=/some/where make install
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails, naming the places, when a file is not formatted as `make format` leaves it.
format-check:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD) build-asan
