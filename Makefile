# Set-up, build and test in one place. Every target installs what it needs.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2

BUILD_PACKAGES := cmake g++ make pkg-config qtbase5-dev qtbase5-dev-tools
RUN_PACKAGES := $(BUILD_PACKAGES) cjk-font
TEST_PACKAGES := $(BUILD_PACKAGES)

.PHONY: run test build configure clean

run: build
	@tools/install-deps $(RUN_PACKAGES)
	$(BUILD_DIR)/bin/classcount

test: TARGET_PACKAGES = $(TEST_PACKAGES)
test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

configure:
	@tools/install-deps $(BUILD_PACKAGES) $(TARGET_PACKAGES)
	@test -f $(BUILD_DIR)/CMakeCache.txt || cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

clean:
	rm -rf $(BUILD_DIR)
