# The two commands of the README, `make fuzz` and `make package`. Each installs what is missing
# first.
BUILD_DIR    := build
ASAN_DIR     := build-asan
FUZZ_DIR     := build-fuzz
GESTRIX      := $(BUILD_DIR)/src/app/gestrix
FUZZ_SECONDS ?= 60

# Configure quietly, but let its warnings through.
define build
	@cmake -S . -B $(1) -G Ninja --log-level=WARNING $(2)
	@cmake --build $(1) -j2
endef

# The fuzzers are built with clang; each runs $(1) seconds.
define fuzz
	$(call build,$(FUZZ_DIR),-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DGESTRIX_FUZZ=ON -DGESTRIX_FUZZ_SECONDS=$(1))
	@cd $(FUZZ_DIR) && ctest --output-on-failure -j2
endef

.PHONY: run test fuzz package

run:
	@scripts/install-deps
	$(call build,$(BUILD_DIR),-DCMAKE_BUILD_TYPE=Release)
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then exec $(GESTRIX); \
	else echo "No DISPLAY: running the headless demo instead."; scripts/demo $(GESTRIX) demo-out; fi

# Every test on the release build, the unit and widget tests again under the sanitizers, and a
# short run of each fuzzer.
test:
	@scripts/install-deps
	$(call build,$(BUILD_DIR),-DCMAKE_BUILD_TYPE=Release)
	@cd $(BUILD_DIR) && ctest --output-on-failure -j2
	$(call build,$(ASAN_DIR),-DCMAKE_BUILD_TYPE=Debug -DGESTRIX_SANITIZE=ON -DGESTRIX_BENCH=OFF)
	@cd $(ASAN_DIR) && ctest --output-on-failure -j2 -LE e2e
	$(call fuzz,5)

fuzz:
	@scripts/install-deps
	$(call fuzz,$(FUZZ_SECONDS))

# The Debian package, in build/: gestrix_VERSION_ARCH.deb.
package:
	@scripts/install-deps
	$(call build,$(BUILD_DIR),-DCMAKE_BUILD_TYPE=Release)
	@cd $(BUILD_DIR) && cpack -G DEB
