#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a user gets there: every file in
# its place, the menu entry, AppStream data and man pages accepted by their validators, and the
# installed programs started from another folder finding their version and their help file.
# Usage: install_layout_test.sh BUILD_FOLDER VERSION
set -euo pipefail
build=$1
version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/prefix"
failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >/dev/null

expected=(
    bin/skerrydesk
    bin/skerrydesk-cli
    share/skerrydesk/SKERRYDESK.HLP
    share/skerrydesk/noqsl.jpg
    share/applications/skerrydesk.desktop
    share/metainfo/org.skerrydesk.Skerrydesk.metainfo.xml
    share/icons/hicolor/scalable/apps/skerrydesk.svg
    share/icons/hicolor/48x48/apps/skerrydesk.png
    share/icons/hicolor/256x256/apps/skerrydesk.png
    share/man/man1/skerrydesk.1
    share/man/man1/skerrydesk-cli.1
)
for file in "${expected[@]}"; do
    [[ -s "$prefix/$file" ]] || fail "$file is not installed"
done
for program in skerrydesk skerrydesk-cli; do
    [[ -x "$prefix/bin/$program" ]] || fail "bin/$program cannot be run"
done

desktop-file-validate "$prefix/share/applications/skerrydesk.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/org.skerrydesk.Skerrydesk.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate"
for page in "$prefix"/share/man/man1/*.1; do
    warnings=$(groff -man -ww -z "$page" 2>&1)
    [[ -z "$warnings" ]] || fail "groff on $(basename "$page"): $warnings"
done
grep -q 'import\\-member FILE' "$prefix/share/man/man1/skerrydesk-cli.1" ||
    fail "the CLI's man page does not list its subcommands"

# Started from another folder, with no help file or pictures beside the programs.
elsewhere="$scratch/elsewhere"
mkdir -p "$elsewhere"
cd "$elsewhere"
[[ $("$prefix/bin/skerrydesk-cli" --version) == "skerrydesk-cli $version" ]] || fail "skerrydesk-cli --version"
[[ $("$prefix/bin/skerrydesk" --version) == "skerrydesk $version" ]] || fail "skerrydesk --version"
help=$("$prefix/bin/skerrydesk" --help)
grep -qxF "Help file:          $prefix/share/skerrydesk/SKERRYDESK.HLP" <<<"$help" ||
    fail "the installed program does not find its help file: $help"

[[ $failures -eq 0 ]] && echo "installed layout in order"
exit $((failures > 0))
