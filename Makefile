# Set-up, build and test in one place. Every target installs what it needs.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2

BUILD_PACKAGES := cmake g++ make pkg-config qtbase5-dev qtbase5-dev-tools
RUN_PACKAGES := $(BUILD_PACKAGES) libqt5svg5 cjk-font
TEST_PACKAGES := $(BUILD_PACKAGES)

# The SVG plug-in draws the window icon; the validators check the menu entry
# and the AppStream metadata.
TEST_PACKAGES += libqt5svg5 desktop-file-utils appstream
PACKAGE_PACKAGES := dpkg-dev file
PACKAGE_CHECK_PACKAGES := desktop-file-utils appstream lintian

.PHONY: run test build configure clean package package-check

run: build
	@tools/install-deps $(RUN_PACKAGES)
	$(BUILD_DIR)/bin/classcount

test: TARGET_PACKAGES = $(TEST_PACKAGES)
test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# $(BUILD_DIR)/classcount_<version>_amd64.deb, its dependencies read off the binaries.
package: TARGET_PACKAGES = $(PACKAGE_PACKAGES)
package: build
	cd $(BUILD_DIR) && cpack -G DEB

# Checks the package without installing it.
package-check: package
	@tools/install-deps $(PACKAGE_CHECK_PACKAGES)
	tools/check-package $(BUILD_DIR)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

configure:
	@tools/install-deps $(BUILD_PACKAGES) $(TARGET_PACKAGES)
	@test -f $(BUILD_DIR)/CMakeCache.txt || cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

clean:
	rm -rf $(BUILD_DIR)
