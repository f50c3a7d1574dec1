# The project's two commands (see README.md): `make demo` and `make test`.
# Both install the system packages first (scripts/install-deps, idempotent).

BUILD_DIR ?= build
JOBS ?= 2
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release
DEMO_DB ?= var/demo.fdb
FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_SECONDS ?= 30
# The short fuzz run that ends `make test` (seconds per target; 0 skips it).
TEST_FUZZ_SECONDS ?= 5

.PHONY: all deps configure build test demo bench fuzz package format clean

all: build

deps:
	@./scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) -- --no-print-directory

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)
	@if [ "$(TEST_FUZZ_SECONDS)" != 0 ]; then $(MAKE) --no-print-directory fuzz FUZZ_SECONDS=$(TEST_FUZZ_SECONDS); fi

demo: build
	@./scripts/demo "$(BUILD_DIR)/bin/veiculo" "$(DEMO_DB)"

bench: build
	@./scripts/bench "$(BUILD_DIR)"

# The parsers' libFuzzer targets (fuzz/), built with clang, ASan and UBSan, each
# run for FUZZ_SECONDS seconds from its seed corpus; fails on any finding.
fuzz: deps
	@CXX=clang++ cmake -S fuzz -B $(FUZZ_BUILD_DIR) > /dev/null
	@cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS) -- --no-print-directory
	@./scripts/fuzz "$(FUZZ_BUILD_DIR)" "$(FUZZ_SECONDS)"

# The Debian package (host, library, headers, schema) in $(BUILD_DIR)/veiculo_*.deb,
# checked unpacked: its host creates the demo dealer and costs a vehicle.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB
	@./scripts/check-package "$$(ls -t $(BUILD_DIR)/veiculo_*.deb | head -1)"

format:
	@find include src apps tests bench -name '*.h' -o -name '*.cpp' | xargs clang-format -i

clean:
	@rm -rf $(BUILD_DIR) $(FUZZ_BUILD_DIR)
