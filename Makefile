# SPDX-License-Identifier: GPL-3.0-or-later
# Set-up, build and test in one place. Every target installs what it needs.

# QT=6 builds with Qt 6 instead of Qt 5, in folders of its own, so that
# the two builds do not configure each other's folders again.
QT ?= 5
ifeq ($(QT),6)
QT_SUFFIX := -qt6
else ifneq ($(QT),5)
$(error QT is 5 or 6, not "$(QT)")
endif
BUILD_DIR ?= build$(QT_SUFFIX)
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2
CMAKE_OPTIONS ?=
SANITIZE_DIR ?= build-sanitize$(QT_SUFFIX)
FUZZ_DIR ?= build-fuzz$(QT_SUFFIX)
FUZZ_SECONDS ?= 300
# classcount-fuzz (the pasted texts, seeds in fuzz/corpus) or
# classcount-fuzz-courselist (course list files, seeds in fuzz/courselist-corpus).
FUZZ_TARGET ?= classcount-fuzz
FUZZ_CORPUS_NAME = $(if $(filter classcount-fuzz,$(FUZZ_TARGET)),corpus,$(FUZZ_TARGET:classcount-fuzz-%=%)-corpus)
FUZZ_CORPUS = $(FUZZ_DIR)/$(FUZZ_CORPUS_NAME)
BENCH_DIR ?= build-bench$(QT_SUFFIX)
WINDOWS_DIR ?= build-windows

# The build embeds the toolkit's Chinese catalogue, links libxlsxwriter for
# the workbook export, minizip and FreeXL to read course list workbooks, and
# runs help2man on classcount-table for its manual page.
# Debian 13's xlsxwriter.pc requires zlib's and minizip's, which its -dev
# package does not bring. dpkg-buildflags (dpkg-dev) gives the optimised builds,
# the package's among them, Debian's hardening flags; it is needed when the
# build folder is configured, which may be long before "make package".
# Qt 6 keeps QRegExp and QTextCodec in its Qt 5 compatibility module.
ifeq ($(QT),6)
QT_PACKAGES := qt6-base-dev qt6-base-dev-tools qt6-5compat-dev qt6-translations-l10n
# Debian 13 keeps Qt 6's SVG plug-ins, the icon engine among them, in a
# package of their own (install-deps takes the first that apt knows).
QT_SVG_PACKAGE := qt6-svg-plugins/libqt6svg6
else
QT_PACKAGES := qtbase5-dev qtbase5-dev-tools qttranslations5-l10n
QT_SVG_PACKAGE := libqt5svg5
endif
BUILD_PACKAGES := cmake g++ make pkg-config $(QT_PACKAGES) help2man \
	libxlsxwriter-dev zlib1g-dev libminizip-dev libfreexl-dev dpkg-dev
RUN_PACKAGES := $(QT_SVG_PACKAGE) cjk-font
# The SVG plug-in draws the window icon; the validators and man check the
# menu entry, the AppStream metadata and the manual pages; openpyxl reads the
# exported workbook back.
TEST_PACKAGES := time $(QT_SVG_PACKAGE) desktop-file-utils appstream man-db python3-openpyxl
FUZZ_PACKAGES := clang libclang-rt-14-dev
BENCH_PACKAGES := libbenchmark-dev time python3 libreoffice-calc
PACKAGE_PACKAGES := file
PACKAGE_CHECK_PACKAGES := desktop-file-utils appstream lintian man-db
# The Debian 13 check makes its bare root with debootstrap and Debian's keys.
CHECK_DEBIAN13_PACKAGES := debootstrap debian-archive-keyring
# The toolkit, minizip, libxlsxwriter and FreeXL for Windows come from Debian's
# source packages, the last two patched; the programs are cross-built with
# mingw-w64, tested under Wine and packed by NSIS;
# librsvg and icoutils turn the SVG icon into PNGs and an .ico; the desktop
# program is checked on a virtual screen, measured with xwininfo, driven with
# xdotool and photographed with ImageMagick; python3 finds the result view in a
# picture of its dialog.
WINDOWS_PACKAGES := dpkg-dev xz-utils patch perl g++-mingw-w64-x86-64-posix wine wine64 nsis \
	librsvg2-bin icoutils unzip xvfb x11-utils xdotool imagemagick python3

# cmake runs the parallel jobs; the targets here run one after the other, in
# the order written, and do not announce the folders they run in.
.NOTPARALLEL:
MAKEFLAGS += --no-print-directory

.PHONY: run desktop-session test test-sanitize fuzz bench build configure clean package package-check \
	check-debian13 windows

run: TARGET_PACKAGES += $(RUN_PACKAGES)
run: desktop-session build
	$(BUILD_DIR)/bin/classcount

# Before anything is installed or built: without a session the toolkit aborts.
desktop-session:
	@[ -n "$$DISPLAY$$WAYLAND_DISPLAY" ] || { \
		echo "classcount 是桌面程序，需要图形桌面会话（DISPLAY 和 WAYLAND_DISPLAY 都没有设置）；没有桌面时可用 make test 编译并运行全部测试。" >&2; \
		exit 1; }

# The ctest summary comes last, so that it is what a user reads.
test: TARGET_PACKAGES += $(TEST_PACKAGES)
test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The whole suite again with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize:
	@$(MAKE) test BUILD_DIR=$(SANITIZE_DIR) CMAKE_OPTIONS=-DCLASSCOUNT_SANITIZE=ON

# Fuzzes FUZZ_TARGET for FUZZ_SECONDS; new inputs go to $(FUZZ_CORPUS), the
# checked-in seeds stay as they are, and a failing input is saved in $(FUZZ_DIR).
fuzz:
	@$(MAKE) configure BUILD_DIR=$(FUZZ_DIR) TARGET_PACKAGES="$(FUZZ_PACKAGES)" \
		CMAKE_OPTIONS="-DCMAKE_CXX_COMPILER=clang++ -DCLASSCOUNT_FUZZ=ON -DBUILD_TESTING=OFF"
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target $(FUZZ_TARGET)
	mkdir -p $(FUZZ_CORPUS)
	LSAN_OPTIONS=suppressions=$(CURDIR)/fuzz/leak-suppressions.txt \
		$(FUZZ_DIR)/bin/$(FUZZ_TARGET) -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		-artifact_prefix=$(FUZZ_DIR)/ $(FUZZ_CORPUS) fuzz/$(FUZZ_CORPUS_NAME)

bench:
	@$(MAKE) configure BUILD_DIR=$(BENCH_DIR) BUILD_TYPE=Release \
		TARGET_PACKAGES="$(BENCH_PACKAGES)" CMAKE_OPTIONS="-DCLASSCOUNT_BENCH=ON -DBUILD_TESTING=OFF"
	cmake --build $(BENCH_DIR) -j $(JOBS) --target classcount-bench classcount-bench-desktop classcount-generate classcount-table
	$(BENCH_DIR)/bin/classcount-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	bench/course-list-files $(BENCH_DIR)/bin $(BENCH_DIR)/course-lists
	$(BENCH_DIR)/bin/classcount-bench-desktop --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
		$(BENCH_DIR)/course-lists/course-list.xlsx
	bench/time-cli $(BENCH_DIR)/bin $(BENCH_DIR)/course-lists

# $(BUILD_DIR)/classcount_<version>_amd64.deb, its dependencies read off the binaries.
package: TARGET_PACKAGES += $(PACKAGE_PACKAGES)
package: build
	cd $(BUILD_DIR) && cpack -G DEB

# Checks the package without installing it.
package-check: TARGET_PACKAGES += $(PACKAGE_CHECK_PACKAGES)
package-check: package
	tools/check-package $(BUILD_DIR)

# What a new user does on a bare Debian 13, in a root made with debootstrap and
# cached in ~/.cache/classcount: a clone of the committed tree runs make run
# without a display, make test and make package-check (tools/check-debian13).
check-debian13:
	@tools/install-deps --log $(BUILD_DIR)/install-deps.log $(CHECK_DEBIAN13_PACKAGES)
	@tools/check-debian13 $(BUILD_DIR)/check-debian13.log

# $(WINDOWS_DIR)/classcount-<version>-win64.zip and -setup.exe, after the suite
# has passed under Wine. The Linux build is the yardstick for the Windows tool's
# output; the toolkit is built once into a cache (tools/build-qt-windows).
windows: TARGET_PACKAGES += $(WINDOWS_PACKAGES)
windows: build
	@JOBS=$(JOBS) LINUX_BIN=$(BUILD_DIR)/bin tools/build-windows $(WINDOWS_DIR)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# cmake runs again, on a fresh cache, whenever the build type or the options
# differ from those the build folder was configured with.
CONFIGURE_ARGS = $(strip -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCLASSCOUNT_QT=$(QT) $(CMAKE_OPTIONS))
CONFIGURE = cmake --fresh --log-level=NOTICE -S . -B $(BUILD_DIR) $(CONFIGURE_ARGS)
configure:
	@tools/install-deps --log $(BUILD_DIR)/install-deps.log $(BUILD_PACKAGES) $(TARGET_PACKAGES)
	@if [ ! -f $(BUILD_DIR)/CMakeCache.txt ] || [ "$$(cat $(BUILD_DIR)/configure-args 2>/dev/null)" != '$(CONFIGURE_ARGS)' ]; then \
		echo '$(CONFIGURE)' && $(CONFIGURE) && echo '$(CONFIGURE_ARGS)' >$(BUILD_DIR)/configure-args; \
	fi

clean:
	rm -rf $(BUILD_DIR)
