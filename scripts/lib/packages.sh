# Debian packages the scripts need, and a quiet installer of the missing ones.
# Sourced by the scripts in scripts/.

# Building and running the Linux program.
RUN_PACKAGES=(cmake g++ make pkg-config libfltk1.3-dev libx11-dev libxtst-dev libxrandr-dev
  libfontconfig-dev fonts-wqy-microhei)
# Running the tests: GoogleTest, a virtual X server and a window manager,
# the X-Resource library (the soak counts the program's X resources), the
# Debian package tools, and for the Windows program the cross compiler and
# Wine.
TEST_PACKAGES=(libgtest-dev xvfb openbox x11-utils libxres-dev dpkg-dev file desktop-file-utils
  g++-mingw-w64-x86-64-posix wine wine64)

# Installs whichever of the named packages are missing; silent when none is.
ensure_packages() {
  local missing=() pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "error: missing packages (${missing[*]}); run as root or install them first" >&2
    return 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq >/dev/null || { echo "error: apt-get update failed" >&2; return 1; }
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null ||
    { echo "error: could not install ${missing[*]}" >&2; return 1; }
}
