# Sourced by scripts/windows.sh: builds GMP, MPFR, GoogleTest and Qt for 64-bit Windows
# from Debian's sources into a cache outside the tree, one folder per library,
# named by its version and a digest of the compiler and the options it was built
# with, and reused when it is complete (its "done" file exists).

triple=x86_64-w64-mingw32
# Long builds yield to everything else on a shared machine, and Qt's compiles
# through a compiler cache of its own, so that a changed option rebuilds only what
# it changes.
slow=(nice -n 19 env CCACHE_DIR="$cache/ccache")
launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# A digest of what decides a build besides the library's version.
recipe_digest() {
  { "$triple-g++-posix" --version | head -n 1; printf '%s\n' "$@"; } | sha1sum | cut -c1-10
}

# Debian's source package NAME unpacked under $cache/src; prints its folder, named
# by the package and its version without the epoch.
debian_source() {
  local name=$1 version dir
  version=$(apt-cache showsrc "$name" | sed -n 's/^Version: //p' | sort -V | tail -n 1)
  dir=$cache/src/$name-${version#*:}
  if [ ! -f "$dir.unpacked" ]; then
    rm -rf "$dir" "$cache/src/tmp-$name"
    mkdir -p "$cache/src/tmp-$name"
    (cd "$cache/src/tmp-$name" && apt-get source -qq "$name=$version" > /dev/null 2>&1 ||
      apt-get source -qq "$name=$version")
    mv "$(find "$cache/src/tmp-$name" -mindepth 1 -maxdepth 1 -type d)" "$dir"
    rm -rf "$cache/src/tmp-$name"
    touch "$dir.unpacked"
  fi
  echo "$dir"
}

# apt-get source needs the archive's source lists; added for Debian 12 when missing.
ensure_deb_src() {
  apt-cache showsrc gmp 2> /dev/null | grep -q '^Version:' && return 0
  local lists=/etc/apt/sources.list.d/debian.sources
  if [ -f "$lists" ]; then
    $sudo sed -i 's/^Types: deb$/Types: deb deb-src/' "$lists"
  else
    echo "deb-src http://deb.debian.org/debian bookworm main" |
      $sudo tee /etc/apt/sources.list.d/vorlinde-src.list > /dev/null
  fi
  $sudo apt-get update -qq
}

build_gmp() {
  local src opts
  src=$(debian_source gmp)
  opts=(--enable-cxx --enable-shared --disable-static)
  gmp_prefix=$cache/$(basename "$src")-$(recipe_digest "${opts[@]}")
  [ -f "$gmp_prefix/done" ] && return 0
  echo "== GMP for Windows into $gmp_prefix =="
  rm -rf "$gmp_prefix" "$cache/build-gmp"
  cp -a "$src" "$cache/build-gmp"
  (
    cd "$cache/build-gmp"
    # Debian's patch drops the doc folder from configure.ac and Makefile.am; the
    # same edit in the files generated from them, which then stay newer, so that
    # make does not ask for autotools.
    sed -i 's| doc/Makefile||; s|"doc/Makefile") CONFIG_FILES=.*;;||' configure
    sed -i 's|^SUBDIRS = \(.*\) doc$|SUBDIRS = \1|' Makefile.in
    touch -r aclocal.m4 configure.ac Makefile.am
    touch configure Makefile.in config.in
    "${slow[@]}" ./configure -q --host=$triple --prefix="$gmp_prefix" "${opts[@]}" \
      CC=$triple-gcc-posix CXX=$triple-g++-posix
    "${slow[@]}" make -s -j "$jobs" > /dev/null
    make -s install > /dev/null
  )
  rm -rf "$cache/build-gmp"
  touch "$gmp_prefix/done"
}

# MPFR, which only the rounding test links, on the GMP above.
build_mpfr() {
  local src opts
  src=$(debian_source mpfr4)
  opts=(--enable-shared --disable-static)
  mpfr_prefix=$cache/$(basename "$src")-$(recipe_digest "${opts[@]}" "$gmp_prefix")
  [ -f "$mpfr_prefix/done" ] && return 0
  echo "== MPFR for Windows into $mpfr_prefix =="
  rm -rf "$mpfr_prefix" "$cache/build-mpfr"
  mkdir -p "$cache/build-mpfr"
  (
    cd "$cache/build-mpfr"
    "${slow[@]}" "$src/configure" -q --host=$triple --prefix="$mpfr_prefix" "${opts[@]}" \
      --with-gmp="$gmp_prefix" CC=$triple-gcc-posix
    "${slow[@]}" make -s -j "$jobs" > /dev/null
    make -s install > /dev/null
  )
  rm -rf "$cache/build-mpfr"
  touch "$mpfr_prefix/done"
}

build_googletest() {
  local version opts
  version=$(dpkg-query -W -f='${Version}' libgtest-dev)
  opts=(-DBUILD_GMOCK=ON -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release)
  gtest_prefix=$cache/googletest-$version-$(recipe_digest "${opts[@]}")
  [ -f "$gtest_prefix/done" ] && return 0
  echo "== GoogleTest for Windows into $gtest_prefix =="
  rm -rf "$gtest_prefix" "$cache/build-googletest"
  cmake -S /usr/src/googletest -B "$cache/build-googletest" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$gtest_prefix" "${opts[@]}" > /dev/null
  "${slow[@]}" cmake --build "$cache/build-googletest" -j "$jobs" > /dev/null
  cmake --install "$cache/build-googletest" > /dev/null
  rm -rf "$cache/build-googletest"
  touch "$gtest_prefix/done"
}

# The mathematical functions of the C library from musl: MinGW's are x87 code
# whose last bits differ from glibc's, where musl's pow, exp and log are the same
# code as glibc's and its others agree with them, so every result keeps its last
# digit on Windows. musl's headers are written for 64-bit longs; Windows has 32.
build_libm() {
  local src work funcs
  src=$(debian_source musl)
  funcs=(pow exp log log2 log10 log1p sin cos tan asin lgamma lgamma_r signgam __sin __cos
         __tan __rem_pio2 __rem_pio2_large exp_data log_data log2_data pow_data __math_oflow
         __math_uflow __math_xflow __math_invalid __math_divzero)
  libm_prefix=$cache/$(basename "$src")-libm-$(recipe_digest "${funcs[@]}")
  [ -f "$libm_prefix/done" ] && return 0
  echo "== musl's mathematical functions for Windows into $libm_prefix =="
  work=$cache/build-libm
  rm -rf "$libm_prefix" "$work"
  mkdir -p "$work/include/bits" "$libm_prefix/lib"
  sed -f "$src/tools/mkalltypes.sed" "$src/arch/x86_64/bits/alltypes.h.in" \
    "$src/include/alltypes.h.in" |
    sed 's/^#define _Addr long$/#define _Addr long long/; s/^#define _Int64 long$/#define _Int64 long long/
         s/^#define _Reg long$/#define _Reg long long/; s/^#define __LONG_MAX .*/#define __LONG_MAX 0x7fffffffL/' \
      > "$work/include/bits/alltypes.h"
  for f in "${funcs[@]}"; do
    "$triple-gcc-posix" -std=c99 -O2 -nostdinc -ffp-contract=off -fno-builtin -w \
      -I"$src/arch/x86_64" -I"$src/arch/generic" -I"$work/include" -I"$src/src/include" \
      -I"$src/src/internal" -I"$src/include" -c "$src/src/math/$f.c" -o "$work/$f.o"
  done
  "$triple-gcc-ar-posix" rcs "$libm_prefix/lib/libmusl_m.a" "$work"/*.o
  rm -rf "$work"
  touch "$libm_prefix/done"
}

# Without Direct2D, Qt's GUI module leaves out its DirectWrite font engine and
# database, and without OpenGL its dynamic OpenGL; the print engine and the Windows
# plugin must leave them out too.
patch_qt() {
  local windows=$1/src/plugins/platforms/windows
  sed -i 's/^#if QT_CONFIG(directwrite)$/#if QT_CONFIG(directwrite) \&\& QT_CONFIG(direct2d)/' \
    "$1/src/printsupport/platform/windows/qprintengine_win.cpp"
  sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
    "$windows/qwindowsintegration.cpp"
  sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
    "$windows/qwindowswindow.cpp"
}

# Qt's modules that the program and its tests need, with Debian's own Qt of the
# same version as the tools that run during the build (moc, rcc, uic).
build_qt() {
  local src opts
  src=$(debian_source qt6-base)
  opts=(-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DFEATURE_pkg_config=OFF
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF
        -DFEATURE_concurrent=OFF -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF
        -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_zstd=OFF
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF
        -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
        -DFEATURE_system_doubleconversion=OFF
        -DFEATURE_direct2d=OFF -DFEATURE_tabletevent=OFF -DFEATURE_androiddeployqt=OFF
        -DFEATURE_windeployqt=OFF -DFEATURE_sql_sqlite=OFF)
  qt_prefix=$cache/$(basename "$src")-$(recipe_digest "${opts[@]}" qt-direct2d-guard)
  [ -f "$qt_prefix/done" ] && return 0
  echo "== Qt for Windows into $qt_prefix (about half an hour on two cores) =="
  rm -rf "$qt_prefix" "$cache/build-qt" "$cache/src-qt"
  cp -a "$src" "$cache/src-qt"
  patch_qt "$cache/src-qt"
  local log=$cache/qt-build.log
  cmake -S "$cache/src-qt" -B "$cache/build-qt" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$qt_prefix" "${opts[@]}" > "$log" 2>&1 &&
    "${slow[@]}" cmake --build "$cache/build-qt" -j "$jobs" >> "$log" 2>&1 ||
    { tail -n 40 "$log"; echo "Qt's build failed: $log" >&2; return 1; }
  cmake --install "$cache/build-qt" > /dev/null
  rm -rf "$cache/build-qt" "$cache/src-qt"
  touch "$qt_prefix/done"
}

# Qt's own Chinese texts ("确定"), the same file on every system, where the Qt
# built for Windows looks for them.
add_qt_chinese_texts() {
  install -D -m 644 /usr/share/qt6/translations/qtbase_zh_CN.qm \
    "$qt_prefix/translations/qtbase_zh_CN.qm"
}
