#!/bin/bash
# The Debian package made from this build, without building anything again: cpack installs
# the built programs and files into its staging folder and packs them. Checks the control
# fields, the file list, the man pages and completions inside, and that lintian finds no error.
# Usage: package_test.sh BUILD_DIR
set -u
. "$(dirname "$0")/testlib.sh"
build=$1
for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is not installed (scripts/install-deps installs it)" >&2
        exit 77
    fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    fail "cpack failed"
    finish
fi
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb=$work/quorvel_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { fail "no $deb among: $(ls "$work")"; finish; }

field() { dpkg-deb -f "$deb" "$1"; }
expect_equal "Package" "$(field Package)" "quorvel"
expect_equal "Version" "$(field Version)" "$version"
expect_equal "Section" "$(field Section)" "utils"
expect_equal "Priority" "$(field Priority)" "optional"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@]+@[^\>]+\>$ ]] || fail "Maintainer \"$(field Maintainer)\" is not a name and an address"
[[ $(field Homepage) == https://* ]] || fail "Homepage \"$(field Homepage)\""
[[ $(field Description) == "batch renamer for files and folders"* ]] || fail "Description \"$(field Description)\""
depends=$(field Depends)
for library in libqt6core6 libqt6widgets6 libexiv2-27 libtag1v5 libplist3 libc6; do
    [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done

files=$(dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|')
for path in /usr/bin/quorvel /usr/bin/quorvel2 /usr/bin/quorvel-cli \
            /usr/share/applications/quorvel.desktop \
            /usr/share/mime/packages/quorvel.xml \
            /usr/share/metainfo/com.tamsel.Quorvel.metainfo.xml \
            /usr/share/icons/hicolor/48x48/apps/quorvel.png \
            /usr/share/icons/hicolor/scalable/apps/quorvel.svg \
            /usr/share/kio/servicemenus/quorvel-servicemenu.desktop \
            /usr/share/quorvel/nautilus-rename-with-quorvel.sh \
            /usr/share/man/man1/quorvel.1.gz /usr/share/man/man1/quorvel2.1.gz /usr/share/man/man1/quorvel-cli.1.gz \
            /usr/share/bash-completion/completions/quorvel-cli \
            /usr/share/zsh/vendor-completions/_quorvel-cli \
            /usr/share/fish/vendor_completions.d/quorvel-cli.fish \
            /usr/share/doc/quorvel/copyright /usr/share/doc/quorvel/changelog.gz \
            /usr/share/lintian/overrides/quorvel; do
    expect_line "file list" "$files" "$path"
done
# Only /usr, nothing of the build (test programs, static libraries, headers).
outside=$(printf '%s\n' "$files" | grep -v '^/usr/' | grep -v '^/$' | grep -v '^/usr$')
expect_equal "files outside /usr" "$outside" ""
# and no cache that the desktop's triggers make (mime, icons, applications).
stray=$(printf '%s\n' "$files" | grep -E '\.(a|h)$|/test_|/lib/|\.cache$|^/usr/share/mime/[^p]|^/usr/share/mime/packages/.+\.xml$' \
        | grep -vx /usr/share/mime/packages/quorvel.xml)
expect_equal "build leftovers" "$stray" ""

# The programs in the package run, and are stripped.
dpkg-deb -x "$deb" "$work/root"
expect_equal "quorvel-cli --version" "$("$work/root/usr/bin/quorvel-cli" --version)" "quorvel-cli (Quorvel) $version"
readelf -S "$work/root/usr/bin/quorvel-cli" | grep -q "\.symtab" && fail "quorvel-cli is not stripped"
# No maintainer scripts: the package holds no shared library for ldconfig to know of.
dpkg-deb -e "$deb" "$work/control"
expect_equal "maintainer scripts" "$(ls "$work/control" | grep -vxE 'control|md5sums')" ""

lintian_out=$(lintian --tag-display-limit 0 "$deb" 2>&1)
echo "$lintian_out"
errors=$(printf '%s\n' "$lintian_out" | grep '^E: ')
expect_equal "lintian errors" "$errors" ""
finish
