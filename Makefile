# make run   installs what is missing, builds the program and its speech
#            libraries (not the tests and benchmarks) and starts Horalo
# make test  installs what is missing, builds and runs every test, then lists
#            the skipped ones with their reasons
# make clock-check  the one test left out of make test: it steps the machine's
#            clock (by a nanosecond, there and back) to hear the kernel tell of it
# make bench builds and runs the benchmarks, which print their figures
# make sanitize builds everything with AddressSanitizer and UndefinedBehaviorSanitizer
#               into its own folder (make sanitize-build stops there) and runs
#               every test there
# make package builds the Debian package horalo_<version>_<arch>.deb in $(BUILD)/
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test clock-check sanitize-build sanitize bench package clean format

all: build

deps:
	tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: configure
	cmake --build $(BUILD) -j $(JOBS) --target horalo speech_libraries
	tools/run.sh $(BUILD)/bin/horalo

# Tests labelled host-clock change the machine's clock: only clock-check runs them.
CTEST = ctest --output-on-failure -j $(JOBS) -LE host-clock
SKIPPED = $(CURDIR)/tools/skipped-tests.sh .

test: build
	cd $(BUILD) && { $(CTEST); status=$$?; $(SKIPPED); exit $$status; }

clock-check: build
	cd $(BUILD) && HORALO_STEP_HOST_CLOCK=1 ctest --output-on-failure -L host-clock

sanitize-build: deps
	cmake -S . -B $(SANITIZE_BUILD) -DHORALO_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)

# Leaks are suppressed only inside Qt and system libraries (see the file); any
# other finding fails the test it happens in. A damaged settings file can ask
# Qt for an allocation no machine has; the system allocator refuses it and Qt
# copes, and allocator_may_return_null makes the sanitizer refuse it the same
# way instead of ending the test. The desktop tests fake the clock by preloading
# libfaketime, which the sanitizer must accept ahead of itself
# (verify_asan_link_order=0). A test that fails is run once more
# (--repeat until-pass:2): a program ended by a signal while Qt's D-Bus thread
# is still starting can leave one of Qt's allocations behind, whose truncated
# stack names no frame a suppression could match; a fault of ours fails twice.
sanitize: sanitize-build
	cd $(SANITIZE_BUILD) && \
	  ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1:verify_asan_link_order=0 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tools/leak-suppressions.txt:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1 \
	  $(CTEST) --repeat until-pass:2; status=$$?; $(SKIPPED); exit $$status

bench: build
	bench/desktop-bench.sh $(BUILD)
	$(BUILD)/bin/speech_latency_bench 7
	tools/install-deps.sh bench/intelligibility-packages.txt
	$(BUILD)/bin/intelligibility_bench
	$(BUILD)/bin/library_check_bench

package: build
	cd $(BUILD) && cpack -G DEB

format:
	git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format -i

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
