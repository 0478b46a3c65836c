#!/bin/sh
# Makes the download as a release does, unpacks it into an empty folder as a user would, and
# checks that it holds exactly what a user needs: the program, its configuration, the
# examples, the guide and the licence, the texts with Windows line ends.
#   unpack.sh BUILD_DIR PACKAGE_NAME SOURCE_DIR OUTPUT_DIR [NM]
# With NM (the toolchain's nm), Quorvel.exe must also be stripped, as release builds are.
set -eu
build=$1
name=$2
source=$3
out=$4
nm=${5:-}

if ! cmake --build "$build" --target package >"$build/package.log" 2>&1; then
    cat "$build/package.log" >&2
    exit 1
fi
zip=$build/$name.zip
unzip -tq "$zip"
rm -rf "$out"
mkdir -p "$out"
unzip -q "$zip" -d "$out"

fail=0
expected=$(
    {
        printf '%s\n' LICENSE Quorvel.cfg Quorvel.exe README.txt
        for example in "$source"/examples/*.cfg; do
            echo "examples/${example##*/}"
        done
    } | LC_ALL=C sort
)
actual=$(cd "$out" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
    echo "$zip holds other files than expected:" >&2
    printf 'expected:\n%s\nfound:\n%s\n' "$expected" "$actual" >&2
    fail=1
fi

cr=$(printf '\r')
for text in LICENSE Quorvel.cfg README.txt "$out"/examples/*.cfg; do
    text=${text#"$out"/}
    file=$out/$text
    [ -f "$file" ] || continue
    # Every line ends in CR LF, the last one included.
    if grep -q "[^$cr]\$" "$file" || grep -q "^\$" "$file" || [ "$(tail -c 1 "$file" | od -An -c | tr -d ' ')" != '\n' ]; then
        echo "$text does not have Windows line ends throughout" >&2
        fail=1
    fi
done
if ! tr -d '\r' <"$out/Quorvel.cfg" | cmp -s - "$source/config/Quorvel.cfg"; then
    echo "Quorvel.cfg in the package is not config/Quorvel.cfg" >&2
    fail=1
fi
if ! grep -q "^# Quorvel" "$out/README.txt"; then
    echo "README.txt is not the guide" >&2
    fail=1
fi
if [ -n "$nm" ] && ! "$nm" "$out/Quorvel.exe" 2>&1 | grep -q 'no symbols'; then
    echo "Quorvel.exe is not stripped" >&2
    fail=1
fi
[ $fail -eq 0 ] && echo "$zip: $(wc -c <"$zip") bytes, unpacked into $out"
exit $fail
