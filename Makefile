# One command each on a fresh Debian 12 machine: `make run`, `make test`, `make bench`.
# docs/DEVELOPING.md describes every target.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo

.PHONY: run game test bench screenshots fuzz-deck install-check tsan deps game-deps configure build clean asan fuzz-smoke stress odr stress-short

# A player's path: only the packages the game needs, only the game built (the
# program with its card library, help pages and translations).
run: game
	./$(BUILD_DIR)/bin/Zaviko

# A build folder made here starts without the tests, tools and benchmarks, so
# configuring needs none of their libraries; one made by `make test` (or any
# developer's target) keeps them, and only the program is rebuilt.
game: game-deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
		$(if $(wildcard $(BUILD_DIR)/CMakeCache.txt),,-DZAVIKO_DEVELOPMENT=OFF)
	cmake --build $(BUILD_DIR) --target Zaviko

# The runs that play "Majstor" many times (tests, stress, the real window's
# scripts, the sanitizer runs) pin its budget at a small count of playouts, so
# they take as long whatever the game's default; ctest sets the same for every
# test (tests/CMakeLists.txt).
PINNED_SEARCH_BUDGET = 200
e2e a11y sound-check perf stress stress-short tsan deb-check: export ZAVIKO_SEARCH_BUDGET = $(PINNED_SEARCH_BUDGET)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j$$(nproc)

bench: build
	./$(BUILD_DIR)/bin/zaviko_bench

# The dialogs' sheets on a 1920 x 1080 screen, so those drawn over a grown window
# show at the size it gives them.
screenshots: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bin/zaviko_sheets cards $(BUILD_DIR)/screenshots
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bin/zaviko_sheets groups $(BUILD_DIR)/screenshots/groups
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bin/zaviko_sheets decks $(BUILD_DIR)/screenshots/decks
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bin/zaviko_sheets decks $(BUILD_DIR)/screenshots/decks-2x --scale 2
	QT_QPA_PLATFORM=offscreen:configfile=tools/screenshots/screen_1920x1080.json \
		./$(BUILD_DIR)/bin/zaviko_sheets dialogs $(BUILD_DIR)/screenshots/dialogs
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bin/zaviko_sheets network $(BUILD_DIR)/screenshots/network
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bin/trick_table --screenshot $(BUILD_DIR)/screenshots/trick_table.png
	QT_QPA_PLATFORM=offscreen:configfile=tools/screenshots/screen_1920x1080.json \
		./$(BUILD_DIR)/bin/zaviko_sheets scores $(BUILD_DIR)/screenshots/scores
	QT_QPA_PLATFORM=offscreen:configfile=tools/screenshots/screen_1920x1080.json \
		./$(BUILD_DIR)/bin/zaviko_sheets statistics $(BUILD_DIR)/screenshots/statistics
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bin/zaviko_sheets analysis $(BUILD_DIR)/screenshots/analysis
	# "Klasicni" at its own size: the README's first picture.
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bin/zaviko_sheets window $(BUILD_DIR)/screenshots/window \
		--docs docs/screenshot.png
	# Maximised on a 1920 x 1080 screen.
	QT_QPA_PLATFORM=offscreen:configfile=tools/screenshots/screen_1920x1080.json \
		./$(BUILD_DIR)/bin/zaviko_sheets window $(BUILD_DIR)/screenshots/window-maximized \
		--maximized
	QT_SCALE_FACTOR=2 QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bin/zaviko_sheets window \
		$(BUILD_DIR)/screenshots/window-2x
	# "Savremeni" at the smallest size and maximised (the README's second picture).
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bin/zaviko_sheets window \
		$(BUILD_DIR)/screenshots/window-modern --look modern
	QT_QPA_PLATFORM=offscreen:configfile=tools/screenshots/screen_1920x1080.json \
		./$(BUILD_DIR)/bin/zaviko_sheets window $(BUILD_DIR)/screenshots/window-modern-maximized \
		--maximized --look modern --docs docs/screenshot-modern.png
	# Both looks at window shapes a player picks: the table fills each one.
	for size in 1100x700 1900x600 800x1000; do \
		for look in classic modern; do \
			QT_QPA_PLATFORM=offscreen:configfile=tools/screenshots/screen_3840x2160.json \
				./$(BUILD_DIR)/bin/zaviko_sheets window \
				$(BUILD_DIR)/screenshots/window-$$look-$$size --size $$size --look $$look \
				|| exit 1; \
		done; \
	done
	# The window and the dialogs once more in each translation.
	for lang in en sr_Latn sr_Cyrl; do \
		out=$(BUILD_DIR)/screenshots/$$lang; \
		export ZAVIKO_LANGUAGE=$$lang QT_QPA_PLATFORM=offscreen; \
		./$(BUILD_DIR)/bin/zaviko_sheets dialogs $$out/dialogs && \
		./$(BUILD_DIR)/bin/zaviko_sheets network $$out/network && \
		./$(BUILD_DIR)/bin/zaviko_sheets scores $$out/scores && \
		./$(BUILD_DIR)/bin/zaviko_sheets statistics $$out/statistics && \
		./$(BUILD_DIR)/bin/zaviko_sheets analysis $$out/analysis && \
		./$(BUILD_DIR)/bin/zaviko_sheets window $$out/window || exit 1; \
	done
	@echo "Screenshots in $(BUILD_DIR)/screenshots"

# Installs into a temporary prefix, validates the desktop files and starts the
# installed program under Xvfb.
install-check: build
	bash scripts/install-check.sh $(BUILD_DIR)

# The real program under Xvfb, played by xdotool clicks to the end of a match,
# then "Nova" and closing the window during a computer's move; screenshots of
# each stage in $(BUILD_DIR)/e2e.
e2e: build
	bash scripts/e2e.sh $(BUILD_DIR)

# Start-up time, memory after a played match and the longest GUI-thread frame,
# measured under Xvfb and printed.
perf: build
	bash scripts/perf.sh $(BUILD_DIR)

.PHONY: e2e perf

# A hand played by keys alone under Orca, with speech-dispatcher and espeak-ng
# on a null audio device, in Xvfb; fails unless every move, the turns, a mark,
# a refused capture and the hand's end with its points were heard once each,
# in order. The transcript is in $(BUILD_DIR)/a11y/transcript.txt.
a11y: build
	bash scripts/a11y.sh $(BUILD_DIR)

.PHONY: a11y

# A scripted round of the real window with "Zvuk" on, played into a null sink
# of a PulseAudio server of its own and recorded from the sink's monitor;
# fails unless every sound played is in the recording at its time and the
# stretches without sounds are silent. The recording and the timeline are in
# $(BUILD_DIR)/sound-check/.
sound-check: build
	bash scripts/sound_check.sh $(BUILD_DIR)

.PHONY: sound-check

# The Debian package (debian/, dh with CMake) in build-deb/, checked by lintian;
# deb-check installs it with apt, plays it under Xvfb and removes it again.
deb:
	bash scripts/deb.sh build-deb

deb-check: deb
	bash scripts/deb-check.sh build-deb

.PHONY: deb deb-check

# One zaviko-server process and 10, 100 and 1,000 tables of four bots on
# loopback: moves per second, move-to-every-seat latency, server memory per
# table and processor share (docs/PERFORMANCE.md keeps the figures).
NET_LOAD_SECONDS ?= 10
net-load: configure
	cmake --build $(BUILD_DIR) --target zaviko_net_load zaviko-server
	./$(BUILD_DIR)/bin/zaviko_net_load --sizes 10,100,1000 --seconds $(NET_LOAD_SECONDS)

.PHONY: net-load

# The strength table of docs/STRENGTH.md at full size: the default "Majstor"
# against the one of 200 playouts (600 with two players and two decks) in
# every pairing the table names, and against the peeking searcher; both seat
# orders, fixed seeds. Long: hours on a machine of few cores.
STRENGTH_MATCHES ?= 2000
STRENGTH_RUN = ./$(BUILD_DIR)/bin/zaviko-selfplay --both-orders --matches $(STRENGTH_MATCHES)
OLD_MAJSTOR = majstor:200:w=0
strength: configure
	cmake --build $(BUILD_DIR) --target zaviko-selfplay
	$(STRENGTH_RUN) --seed 3811 --seats majstor,$(OLD_MAJSTOR)
	$(STRENGTH_RUN) --seed 3812 --seats majstor,peek
	$(STRENGTH_RUN) --seed 3813 --mode each --seats majstor,$(OLD_MAJSTOR),$(OLD_MAJSTOR),$(OLD_MAJSTOR)
	$(STRENGTH_RUN) --seed 3814 --mode pairs --seats majstor,$(OLD_MAJSTOR),majstor,$(OLD_MAJSTOR)
	$(STRENGTH_RUN) --seed 3815 --decks 2 --seats majstor,majstor:600:w=0

.PHONY: strength

# The rules and computer tests (capture search, computer choices, saved-match
# and statistics formats, headless matches on several threads at once) under
# ThreadSanitizer, in their own build folder; any report fails the run. Both
# programs are plain C++ with no Qt, so every one of their tests runs.
TSAN_DIR ?= build-tsan
TSAN_RUN = TSAN_OPTIONS="halt_on_error=1 exitcode=66"
tsan: deps
	cmake -S . -B $(TSAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_FLAGS=-fsanitize=thread -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread
	cmake --build $(TSAN_DIR) --target zaviko_plain_tests
	$(TSAN_RUN) ./$(TSAN_DIR)/bin/test_rules
	$(TSAN_RUN) ./$(TSAN_DIR)/bin/test_computer

deps:
	bash scripts/install-deps.sh

game-deps:
	bash scripts/install-deps.sh --game

# The developer's build: everything, the tests, tools and benchmarks included,
# also in a folder `make run` made.
configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DZAVIKO_DEVELOPMENT=ON

build: configure
	cmake --build $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)

# The deck-file fuzzer alone for FUZZ_SECONDS (scripts/fuzz.sh runs any of them).
FUZZ_SECONDS ?= 60
fuzz-deck:
	bash scripts/fuzz.sh $(FUZZ_SECONDS) deck_file

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer,
# in its own build folder: -O1 and line tables only (-g1, enough for the
# reports' file and line) keep the build and the run short, any undefined
# behaviour ends the test at once, and leaks are reported except the few inside
# system libraries named in scripts/lsan-suppressions.txt.
ASAN_DIR ?= build-asan
ASAN_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
# Left out of the sanitizer run: the two layer checks compile files and run
# none of our code, and the two longest tests (the self-play table on one and
# on many threads, the capture oracle over random sets of six to nine cards)
# take over three minutes each there while their code runs under the
# sanitizers in the shorter tests of the same programs; all four run in
# `make test`.
ASAN_SKIP = ^(RulesArePlainCpp|ComputerIsPlainCpp|SelfPlay.ASeedGivesTheSameTableOnAnyNumberOfThreads|CaptureOracle.SeededRandomSetsOfSixToNineCardsWithUpToEightAces)$$
asan-build: deps
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		"-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1" "-DCMAKE_CXX_FLAGS=$(ASAN_FLAGS)" \
		"-DCMAKE_EXE_LINKER_FLAGS=$(ASAN_FLAGS)" "-DCMAKE_SHARED_LINKER_FLAGS=$(ASAN_FLAGS)" \
		-DZAVIKO_TEST_TIMEOUT=600
	cmake --build $(ASAN_DIR) --target zaviko_tests -j2

asan: asan-build
	cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan-suppressions.txt:print_suppressions=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j2 --timeout 600 -E '$(ASAN_SKIP)'

.PHONY: asan-build

# Every libFuzzer target (the deck file, the settings file, the score-grid file,
# the log's time stamps) for 30 s each from its seed corpus; scripts/fuzz.sh
# runs them for longer: scripts/fuzz.sh 300.
fuzz-smoke:
	bash scripts/fuzz.sh 30

# Every program of the build (the game, its library, the tests, the tools, the
# benchmarks and zaviko_stress) built with gcc's link-time optimisation in its
# own build folder: the link of each program sees all its translation units at
# once, so a name defined twice with two meanings (a one-definition-rule
# violation, which breaks memory at run time) fails the run. The links merge
# into relocatable objects without making machine code (scripts/odr-link.sh);
# -O0 and no debug information keep the compiles short; -k 0 lists every
# violation, not just the first.
ODR_DIR ?= build-odr
ODR_FLAGS = -Wodr -Werror=odr -Wlto-type-mismatch -Werror=lto-type-mismatch
odr: deps
	cmake -S . -B $(ODR_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
		"-DCMAKE_CXX_FLAGS_DEBUG=-O0 -g0" "-DCMAKE_CXX_FLAGS=$(ODR_FLAGS)" \
		-DCMAKE_INTERPROCEDURAL_OPTIMIZATION=ON \
		-DCMAKE_CXX_LINKER_LAUNCHER=$(CURDIR)/scripts/odr-link.sh
	cmake --build $(ODR_DIR) --target zaviko_every_program -- -k 0

# Long invariant-checked runs, not part of the normal tests: 1000 headless
# matches over every mode, deck count and strength, and 200 matches through the
# controller stopped by Nova or by closing at random moments. Prints its figures.
stress: configure
	cmake --build $(BUILD_DIR) --target zaviko_stress
	QT_QPA_PLATFORM=offscreen timeout 900 ./$(BUILD_DIR)/bin/zaviko_stress

# The same checks in their short form for CI: 300 headless matches (every mode,
# deck count, direction and strength still met) and 40 stopped controller matches.
stress-short: configure
	cmake --build $(BUILD_DIR) --target zaviko_stress
	ZAVIKO_STRESS_SHORT=1 QT_QPA_PLATFORM=offscreen timeout 300 ./$(BUILD_DIR)/bin/zaviko_stress

# Every C++ file as .clang-format lays it out, and every shell script free of
# shellcheck's warnings (.shellcheckrc lets it follow the scripts' sources).
lint:
	bash scripts/install-deps.sh clang-format shellcheck
	git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
	git ls-files -z '*.sh' .ci/run | xargs -0 shellcheck -x -S warning

.PHONY: lint
