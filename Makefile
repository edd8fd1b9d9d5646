# The two commands of the README, `make fuzz` and `make package`. Each installs what it needs
# first: running needs fewer packages than testing.
BUILD_DIR := build
GESTRIX   := $(BUILD_DIR)/src/app/gestrix

.PHONY: run test fuzz package

run:
	@scripts/install-deps run
	@cmake -S . -B $(BUILD_DIR) -G Ninja --log-level=WARNING -DCMAKE_BUILD_TYPE=Release \
		-DBUILD_TESTING=OFF -DGESTRIX_BENCH=OFF
	@cmake --build $(BUILD_DIR) -j2
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then exec $(GESTRIX); \
	else scripts/install-deps demo && echo "No DISPLAY: running the headless demo instead." && \
		scripts/demo $(GESTRIX) demo-out; fi

test:
	@scripts/install-deps test
	@scripts/run-tests

# Each fuzzer for FUZZ_SECONDS (60).
fuzz:
	@scripts/install-deps test
	@FUZZ_SECONDS=$${FUZZ_SECONDS:-60} scripts/run-tests fuzz

# The Debian package, in build-package/: gestrix_VERSION_ARCH.deb. Its own tree builds only
# what the package holds, and leaves the tests' tree as it is.
PACKAGE_DIR := build-package

package:
	@scripts/install-deps run
	@cmake -S . -B $(PACKAGE_DIR) -G Ninja --log-level=WARNING -DCMAKE_BUILD_TYPE=Release \
		-DBUILD_TESTING=OFF -DGESTRIX_BENCH=OFF
	@cmake --build $(PACKAGE_DIR) -j2
	@cd $(PACKAGE_DIR) && cpack -G DEB
