# Sourced by the other scripts: installs the Debian packages that are missing.
install_missing() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "These packages are missing and there is no sudo: ${missing[*]}" >&2; exit 1; }
    sudo=sudo
  fi
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What the program needs to build and to look right.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev libqt6svg6 libgl-dev libgmp-dev
                fonts-liberation fonts-dejavu-core fonts-comic-neue xdg-utils)
# What the tests and benchmarks need on top.
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev libx11-dev libxdamage-dev poppler-utils libxml2-utils mandoc clang-format
               desktop-file-utils appstream man-db qt6-translations-l10n)
# What scripts/fuzz needs on top of the tests: clang with its libFuzzer and
# sanitizer runtimes (only recommended by clang, so named here), and llvm for
# the coverage report.
FUZZ_PACKAGES=(clang libclang-rt-14-dev llvm)
# What scripts/package needs on top of the build to make and check the .deb.
PACKAGE_PACKAGES=(dpkg-dev file lintian)
