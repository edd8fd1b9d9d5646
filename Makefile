# The two commands of the README. Both install what is missing first.
BUILD_DIR := build
GESTRIX   := $(BUILD_DIR)/src/app/gestrix

define configure_and_build
	@scripts/install-deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
	@cmake --build $(BUILD_DIR) -j2
endef

.PHONY: run test

run:
	$(configure_and_build)
	@if [ -n "$$DISPLAY" ]; then exec $(GESTRIX); \
	else echo "No DISPLAY: running the headless demo instead."; scripts/demo $(GESTRIX) demo-out; fi

test:
	$(configure_and_build)
	@cd $(BUILD_DIR) && ctest --output-on-failure -j2
