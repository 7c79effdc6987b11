#!/usr/bin/env bash
# Runs tools/check_layers on a small made-up tree: clean it passes, and each planted kind of
# violation is reported on its own line with a failing exit; with git or without.
# Usage: check_layers_test.sh PATH/TO/check_layers
set -u
checker=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# A tree of three floors (low <- high <- gui, and gui/sub above gui) and test code.
make_tree() {
  local tree=$1
  mkdir -p "$tree"/{tools,low,high,gui/sub,tests}
  cat >"$tree/tools/layers.txt" <<'EOF'
# folder  library   qt     builds on
low       lib_low   no-qt
high      lib_high  no-qt  low
gui       lib_gui   qt     high
gui/sub   lib_sub   qt     gui
tests     -         qt     *
EOF
  printf '#pragma once\n#include <vector>\n' >"$tree/low/a.h"
  printf '#include "low/a.h"\n' >"$tree/low/a.cpp"
  printf '#pragma once\n#include "low/a.h"\n' >"$tree/high/b.h"
  printf '#include "b.h"\n#include "../low/a.h"\n#include <string>\n' >"$tree/high/b.cpp"
  printf '#include <QString>\n#include "high/b.h"\n' >"$tree/gui/c.cpp"
  printf '#pragma once\n' >"$tree/gui/sub/s.h"
  printf '#include "gui/c.h"\n#include "s.h"\n' >"$tree/gui/sub/s.cpp"
  printf '#include "gui/sub/s.h"\n#include <QtCore/QString>\n' >"$tree/tests/t.cpp"
}

# run TREE: the checker's output in `output`, its exit status in `status`.
run() {
  output=$(bash "$checker" "$1" 2>&1)
  status=$?
}

make_tree "$work/clean"
run "$work/clean"
[ $status -eq 0 ] || fail "the clean tree is refused ($status): $output"
[[ $output == *"7 files (listed by find)"* ]] ||
  fail "the clean tree without git is not checked file by file: $output"

# Each violation: the file planted, its text, and the line the checker must print for it.
cases=(
  "low/up.cpp|#include \"high/b.h\"|low/up.cpp:1: includes \"high/b.h\" from high, which low does not build on"
  "low/angle.h|#include <gui/c.h>|low/angle.h:1: includes <gui/c.h> from gui, which low does not build on"
  "high/climb.cpp|#include \"../gui/c.h\"|high/climb.cpp:1: includes \"../gui/c.h\" from gui, which high does not build on"
  "gui/nested.cpp|#include \"sub/s.h\"|gui/nested.cpp:1: includes \"sub/s.h\" from gui/sub, which gui does not build on"
  "high/t.cpp|#include \"tests/t.h\"|high/t.cpp:1: includes \"tests/t.h\" from tests, which high does not build on"
  "low/out.cpp|#include \"../../x.h\"|low/out.cpp:1: includes \"../../x.h\", which climbs out of the source tree"
  "high/q.h|#include <QString>|high/q.h:1: includes <QString>, a Qt header, in high, which must stay free of Qt"
  "low/q.cpp|  #  include <QtGui/QImage>|low/q.cpp:1: includes <QtGui/QImage>, a Qt header, in low, which must stay free of Qt"
  "high/q2.cpp|#include <qglobal.h>|high/q2.cpp:1: includes <qglobal.h>, a Qt header, in high, which must stay free of Qt"
)
for entry in "${cases[@]}"; do
  IFS='|' read -r path text expected <<<"$entry"
  tree="$work/case"
  rm -rf "$tree"
  make_tree "$tree"
  printf '%s\n' "$text" >"$tree/$path"
  run "$tree"
  [ $status -eq 1 ] || fail "$path: exit $status, not 1"
  grep -qxF "$expected" <<<"$output" || fail "$path: expected \"$expected\", got: $output"
done

# A table the checker cannot check against stops it with its own exit status, never a pass.
broken=(
  "a folder the tree lacks|echo 'gone      lib_gone  no-qt' >>TREE/tools/layers.txt|names the folder gone"
  "a bad qt field|echo 'tests2    -  maybe  low' >>TREE/tools/layers.txt|must be qt or no-qt"
  "a floor without a row|echo 'gui/sub2  lib  qt  nowhere' >>TREE/tools/layers.txt; mkdir TREE/gui/sub2|builds on nowhere"
  "no table|rm TREE/tools/layers.txt|has no tools/layers.txt"
  "no source file|rm TREE/*/*.cpp TREE/*/*.h TREE/gui/sub/*|found no source file"
)
for entry in "${broken[@]}"; do
  IFS='|' read -r what change expected <<<"$entry"
  tree="$work/broken"
  rm -rf "$tree"
  make_tree "$tree"
  eval "${change//TREE/\"$tree\"}"
  run "$tree"
  [ $status -eq 2 ] || fail "$what: exit $status, not 2"
  [[ $output == *"$expected"* ]] || fail "$what: expected \"$expected\", got: $output"
done

# In a git checkout the files come from git: a new file is checked before it is added, and an
# ignored one is not.
if command -v git >/dev/null; then
  tree="$work/checkout"
  make_tree "$tree"
  git -C "$tree" init -q
  printf 'high/generated/\n' >"$tree/.gitignore"
  git -C "$tree" add -A
  mkdir -p "$tree/high/generated"
  printf '#include <QString>\n' >"$tree/high/generated/g.h"
  run "$tree"
  [ $status -eq 0 ] || fail "an ignored file is checked: $output"
  [[ $output == *"(listed by git)"* ]] || fail "the checkout's files are not listed by git: $output"
  printf '#include "gui/c.h"\n' >"$tree/low/new.h"
  run "$tree"
  [ $status -eq 1 ] && [[ $output == *"low/new.h:1: includes \"gui/c.h\""* ]] ||
    fail "a new file of the checkout is not checked: $output"
fi

if [ $failures -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "every check passed"
