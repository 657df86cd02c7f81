#!/usr/bin/env bash
# SPDX-License-Identifier: LicenseRef-proprietary
# Builds the Debian package, unpacks it into a temporary root, and checks that everything the
# desktop entry and the AppStream data name is where they say.
# usage: package_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
deb=$(ls "$work"/wypelark_*_amd64.deb 2>/dev/null || ls "$work"/wypelark_*.deb)
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "Depends lacks the Qt libraries"

root="$work/root"
dpkg-deb -x "$deb" "$root"
id=org.example.Wypelark
desktop="$root/usr/share/applications/$id.desktop"
metainfo="$root/usr/share/metainfo/$id.metainfo.xml"

desktop-file-validate "$desktop" || fail "desktop entry does not validate"
appstreamcli validate --pedantic --no-net "$metainfo" >/dev/null || fail "metainfo does not validate"

exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ "$exec_line" = "wypelark %F" ] || fail "Exec is '$exec_line'"
exec_name=${exec_line%% *}
[ -x "$root/usr/bin/$exec_name" ] || fail "no executable /usr/bin/$exec_name"
icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 16 32 48 256; do
    png="$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png"
    file "$png" | grep -q "PNG image data, $size x $size" || fail "no $size px icon $png"
done
[ -s "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon"

# Installing the package leaves every type's default opener as it was, and so does removing it:
# the defaults with everything it installs beside another opener are those without it.
mime="$work/mime"
mkdir -p "$mime/apps/applications"
printf '[Desktop Entry]\nType=Application\nName=Z\nExec=true %%U\nMimeType=%s\n' \
    'inode/directory;text/plain;application/octet-stream;' > "$mime/apps/applications/zz.desktop"
update-desktop-database "$mime/apps/applications"
defaults() {
    for type in inode/directory text/plain application/octet-stream image/png; do
        echo "$type: $(XDG_DATA_DIRS="$1" XDG_DATA_HOME="$mime/home" XDG_CONFIG_HOME="$mime/config" \
            xdg-mime query default "$type")"
    done
}
without=$(defaults "$mime/apps")
update-desktop-database "$root/usr/share/applications"
with=$(defaults "$mime/apps:$root/usr/share")
[ "$with" = "$without" ] || fail "installing changes default openers: $with (before: $without)"
rm -f "$root/usr/share/applications/mimeinfo.cache"

# The file managers' entries, each as its file manager reads it: "Shred with Wypelark" on any
# file or folder, starting the window with them listed, never destroying anything by itself.
key() { sed -n "/^\[$2\]/,/^\[/s/^$3=//p" "$1"; }
menu="$root/usr/share/kio/servicemenus/$id.shred.desktop"
[ -f "$menu" ] || fail "no Dolphin service menu"
[ "$(key "$menu" 'Desktop Entry' Type)" = Service ] || fail "the service menu is not a service"
types=";$(key "$menu" 'Desktop Entry' MimeType)"
for type in all/allfiles inode/directory; do
    case $types in *";$type;"*) ;; *) fail "the service menu is not offered for $type" ;; esac
done
[ "$(key "$menu" 'Desktop Entry' Actions)" = "shred;" ] || fail "the service menu's actions"
[ "$(key "$menu" 'Desktop Action shred' Exec)" = "wypelark %F" ] || fail "the service menu's Exec"
[ "$(key "$menu" 'Desktop Action shred' Name)" = "Shred with Wypelark" ] ||
    fail "the service menu's name"
[ "$(key "$menu" 'Desktop Action shred' Icon)" = "$icon" ] || fail "the service menu's icon"
nemo="$root/usr/share/nemo/actions/wypelark-shred.nemo_action"
[ "$(key "$nemo" 'Nemo Action' Exec)" = "wypelark --uris -- %U" ] || fail "the Nemo action's Exec"
[ "$(key "$nemo" 'Nemo Action' Selection)" = notnone ] || fail "the Nemo action's selection"
[ "$(key "$nemo" 'Nemo Action' Extensions)" = "any;" ] || fail "the Nemo action's extensions"
extension="$root/usr/share/nautilus-python/extensions/wypelark-shred.py"
python3 -c 'import ast, sys; ast.parse(open(sys.argv[1]).read())' "$extension" ||
    fail "the Files extension does not parse"
grep -q '\["wypelark", "--", \*paths\]' "$extension" || fail "the Files extension's command"

# Each entry has its Polish and German name; the Files extension picks its name from the
# person's languages as GLib orders them.
for language in pl de; do
    for entry in "$desktop:Desktop Entry:GenericName" "$desktop:Desktop Entry:Comment" \
        "$menu:Desktop Action shred:Name" "$nemo:Nemo Action:Name"; do
        IFS=: read -r file group name <<<"$entry"
        [ -n "$(key "$file" "$group" "$name\\[$language\\]")" ] ||
            fail "no $name[$language] in $(basename "$file")"
    done
done
python3 - "$extension" <<'PYTHON' || fail "the Files extension's name does not follow the language"
import sys, types
gi = types.ModuleType("gi")
gi.repository = types.SimpleNamespace(
    GLib=None, GObject=types.SimpleNamespace(GObject=type("GObject", (), {})),
    Nautilus=types.SimpleNamespace(MenuProvider=type("MenuProvider", (), {})))
sys.modules.update({"gi": gi, "gi.repository": gi.repository})
extension = {}
exec(compile(open(sys.argv[1]).read(), sys.argv[1], "exec"), extension)
for languages, label in [
        (["pl_PL.UTF-8", "pl_PL", "pl", "C"], "Zniszcz programem Wypelark"),
        (["de_AT.UTF-8", "de_AT", "de", "C"], "Mit Wypelark vernichten"),
        (["fr_FR", "fr", "de_DE", "de", "C"], "Mit Wypelark vernichten"),
        (["en_GB", "en", "pl", "C"], "Shred with Wypelark"),
        (["C"], "Shred with Wypelark")]:
    got = extension["label_for"](languages)
    assert got == label, f"{languages}: {got}"
# The Trash's own entry is offered in the Trash view only.
class Folder:
    def __init__(self, uri): self.uri = uri
    def get_uri(self): return self.uri
items = []
extension["Nautilus"].MenuItem = lambda **kw: types.SimpleNamespace(connect=lambda *a: None, **kw)
extension["GLib"] = types.SimpleNamespace(get_language_names=lambda: ["C"])
shred = extension["WypelarkShred"]()
assert shred.get_background_items(Folder("file:///home/me")) == []
offered = shred.get_background_items(Folder("trash:///"))
assert [item.label for item in offered] == ["Shred the Trash with Wypelark"], offered
PYTHON
grep -q '\["wypelark", "--trash"\]' "$extension" || fail "the Files extension's Trash command"
trashmenu="$root/usr/share/kio/servicemenus/$id.shredtrash.desktop"
[ "$(key "$trashmenu" 'Desktop Entry' X-KDE-Protocols)" = trash ] ||
    fail "the Trash's service menu is not for the Trash view"
[ "$(key "$trashmenu" 'Desktop Action shredtrash' Exec)" = "wypelark --trash" ] ||
    fail "the Trash's service menu's Exec"

# The helper, where pkexec looks for it, and the polkit action that lets pkexec start it: well
# formed, for active local sessions only, with the administrator's password kept a while.
helper="$root/usr/libexec/wypelark/wypelark-helper"
[ -x "$helper" ] || fail "no helper at /usr/libexec/wypelark/wypelark-helper"
policy="$root/usr/share/polkit-1/actions/$id.helper.policy"
xmllint --noout "$policy" || fail "the polkit policy is not well formed"
policyValue() { xmllint --xpath "string(//action[@id='$id.destroy-as-administrator']/$1)" "$policy"; }
[ "$(policyValue defaults/allow_active)" = auth_admin_keep ] || fail "the action's active default"
[ "$(policyValue defaults/allow_any)" = no ] || fail "the action is allowed beyond active sessions"
[ "$(policyValue defaults/allow_inactive)" = no ] || fail "the action is allowed to inactive ones"
[ "$(policyValue "annotate[@key='org.freedesktop.policykit.exec.path']")" = \
    /usr/libexec/wypelark/wypelark-helper ] || fail "the action names another program"
printf 'hello 1\nend\n' | "$helper" | grep -qx 'hello 1' || fail "the installed helper does not answer"

for page in wypelark wypelark-cli; do
    [ -x "$root/usr/bin/$page" ] || fail "no executable /usr/bin/$page"
    zcat "$root/usr/share/man/man1/$page.1.gz" | grep -q '^\.TH' || fail "no manual page for $page"
done

# The free-space units, as systemd reads them for an instance, the command pointed at this build.
units="$work/units"
mkdir -p "$units"
for unit in wypelark-free-space@.service wypelark-free-space@.timer; do
    [ -f "$root/usr/lib/systemd/system/$unit" ] || fail "no $unit"
    sed "s:/usr/bin/wypelark-cli:$build/cli/wypelark-cli:" "$root/usr/lib/systemd/system/$unit" \
        > "$units/$unit"
done
if command -v systemd-analyze >/dev/null; then
    verified=$(cd "$units" && systemd-analyze verify --man=no \
        ./wypelark-free-space@home.service ./wypelark-free-space@home.timer 2>&1) ||
        fail "systemd-analyze verify: $verified"
    [ -z "$verified" ] || fail "systemd-analyze verify says: $verified"
fi

launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
for language in pl de; do
    [ -s "$root/usr/share/wypelark/translations/wypelark_$language.qm" ] ||
        fail "no $language translation"
done
[ -f "$root/usr/share/applications/$launchable" ] || fail "launchable $launchable missing"
binaries=$(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo")
[ "$(echo $binaries)" = "wypelark wypelark-cli" ] || fail "metainfo provides '$binaries'"
for binary in $binaries; do
    [ -x "$root/usr/bin/$binary" ] || fail "provided binary $binary missing"
done
grep -q '<developer_name>' "$metainfo" || fail "metainfo names no developer"
sed -n "/<release version=\"$version\"/,/<\/release>/p" "$metainfo" | grep -q '<description>' ||
    fail "the release $version has no description"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo release is not $version"
# Debian's own checks: no error.
if command -v lintian >/dev/null; then
    lintian --pedantic --fail-on error,warning --allow-root "$deb" || fail "lintian found errors or warnings"
fi
echo "package_test: 1 passed, 0 failed"
