#!/bin/sh
# The installed package as an application server's build uses it: installs
# the build tree into a scratch prefix, creates the demo dealer with the
# installed host, then configures, builds and runs the consumer project twice,
# through find_package(veiculo) and through pkg-config (veiculo.pc).
#
#   consumer_test.sh BUILD_DIR CONSUMER_SOURCE_DIR
set -u
BUILD="$1"
SOURCE="$2"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export FIREBIRD_LOCK="$WORK" FIREBIRD_TMP="$WORK"
PREFIX="$WORK/prefix"
DB="$WORK/demo.fdb"

step() {  # step NAME COMMAND... : stops the test, showing the command's output, when it fails
  name="$1"; shift
  if "$@" >"$WORK/step.log" 2>&1; then
    echo "ok   $name"
  else
    echo "FAIL $name"
    cat "$WORK/step.log"
    exit 1
  fi
}

step "cmake --install into a scratch prefix" cmake --install "$BUILD" --prefix "$PREFIX"
for file in bin/veiculo include/veiculo/ddm_veiculo_compartilhado_bd.h \
    share/veiculo/schema/01_vei.sql; do
  step "installed: $file" test -f "$PREFIX/$file"
done
# Only the public headers are installed: nothing of the module's insides.
step "no internal header is installed" \
  sh -c "! grep -rlE 'ClientDataSet|SqlDataSet|costing::|_impl\.h' '$PREFIX/include/veiculo'"

step "the installed host creates the demo dealer" "$PREFIX/bin/veiculo" init-db "$DB" --demo

step "configure the consumer with find_package(veiculo)" \
  cmake -S "$SOURCE" -B "$WORK/consumer" -DCMAKE_PREFIX_PATH="$PREFIX" -DCMAKE_BUILD_TYPE=Release
step "build the consumer" cmake --build "$WORK/consumer"
"$WORK/consumer/veiculo_consumer" "$DB" || { echo "FAIL the consumer built with CMake"; exit 1; }

PKG_CONFIG_PATH="$PREFIX/lib/pkgconfig:$PREFIX/lib/$(gcc -print-multiarch 2>/dev/null)/pkgconfig"
export PKG_CONFIG_PATH
step "pkg-config knows veiculo" pkg-config --exists veiculo
# shellcheck disable=SC2046
step "build the consumer with pkg-config" \
  sh -c "c++ -std=c++20 -o '$WORK/consumer_pc' '$SOURCE/main.cpp' \$(pkg-config --cflags --libs veiculo)"
"$WORK/consumer_pc" "$DB" || { echo "FAIL the consumer built with pkg-config"; exit 1; }
