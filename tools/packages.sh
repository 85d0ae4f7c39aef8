# The Debian packages the project needs, by purpose. Sourced by run.sh and test.sh.
VELLORA_BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-multimedia-dev
  libpugixml-dev libchm-dev libgtest-dev libgmock-dev libbenchmark-dev)
VELLORA_RUN_PACKAGES=(fonts-noto-cjk fonts-liberation2 gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  libqt6multimedia6 qt6-image-formats-plugins)
VELLORA_TEST_PACKAGES=(xvfb xauth pulseaudio pulseaudio-utils)
# The fuzz targets (tests/fuzz/run.sh): clang with libFuzzer and the sanitizer run-times.
VELLORA_FUZZ_PACKAGES=(clang libclang-rt-14-dev)
