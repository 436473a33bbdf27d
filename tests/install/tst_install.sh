#!/usr/bin/env bash
# Installs the built program into a scratch prefix and runs the installed copy
# as a normal user on the simulated mouse, the way a person starts it from the
# menu: its data folder is seeded, the user's settings survive a restart and a
# re-install, a newer shipped language file reaches the user, and a data
# folder that cannot be used says so and crashes nothing.
#
#   tst_install.sh <build folder>        with cmake --install
#   tst_install.sh <build folder> deb    from the Debian package, unpacked into
#                                        a scratch root (never this machine's)
#
# As root (CI) it creates a user of its own for the runs; exits 77 (skipped)
# only when no such user can be made.
set -euo pipefail
build=$(cd "$1" && pwd)
mode=${2:-cmake}

work=$(mktemp -d /tmp/q530-install-XXXXXX)
chmod 755 "$work"
prefix="$work/prefix"
home="$work/home"
user=""
made_user=""

cleanup() {
    chmod -R u+w "$work" 2>/dev/null || true
    [ -n "$made_user" ] && userdel "$made_user" >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

skip() { echo "SKIP: $*"; exit 77; }
fail() {
    echo "FAIL: $*"
    for log in "$work"/install.log "$shots"/*.log; do [ -f "$log" ] && { echo "--- $(basename "$log")"; cat "$log"; }; done
    exit 1
}

mkdir -p "$home"
if [ "$(id -u)" -eq 0 ]; then
    command -v useradd >/dev/null || skip "useradd is missing: no normal user to run the program as"
    command -v runuser >/dev/null || skip "runuser is missing: cannot run the program as a normal user"
    user="q530t$$"
    useradd --no-create-home --home-dir "$home" --shell /usr/sbin/nologin --user-group "$user" >/dev/null 2>&1 \
        || skip "cannot create a normal user to run the program as"
    made_user="$user"
    chown "$user:" "$home"
    as_user() { runuser -u "$user" -- "$@"; }
else
    user=$(id -un)
    as_user() { "$@"; }
fi
runtime="$work/runtime"
shots="$work/shots"   # the program's screenshots and output
mkdir -p "$runtime" "$shots"
[ -z "$made_user" ] || chown "$user:" "$runtime" "$shots"
chmod 700 "$runtime"

if [ "$mode" = deb ]; then
    command -v dpkg-deb >/dev/null || fail "dpkg-deb is missing"
    cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1 \
        || { cat "$work/cpack.log"; fail "cpack failed"; }
    deb=$(ls "$work"/package/q530_*_amd64.deb)
    prefix="$work/root/usr"
fi

install_program() {
    chmod -R u+w "$prefix" 2>/dev/null || true
    if [ "$mode" = deb ]; then
        dpkg-deb -x "$deb" "$work/root" >"$work/install.log" 2>&1 || fail "dpkg-deb -x failed"
    else
        cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || fail "cmake --install failed"
    fi
    # An installation is read-only to the user who runs it.
    [ -n "$made_user" ] || chmod -R a-w "$prefix"
}

# run <name> [VAR=value ...]: the installed program until it has written its
# screenshot <name>.png and quit; its output goes to <name>.log.
run() {
    local name=$1
    shift
    local status=0
    as_user env -i HOME="$home" USER="$user" PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$runtime" \
        QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software Q530_INSTANCE_KEY="install-test-$$" \
        Q530_SCREENSHOT="$shots/$name.png" "$@" \
        timeout 60 "$prefix/bin/q530" --simulate >"$shots/$name.log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "$name: the program ended with $status"
    grep -q "Screenshot written" "$shots/$name.log" || fail "$name: no screenshot"
    grep -q "Device Connect" "$shots/$name.log" || fail "$name: the simulated mouse was not connected"
}
quiet() { ! grep -E "Data folder|temporary copy|shipped data" "$shots/$1.log" >/dev/null || fail "$1: unexpected warning"; }
same() { cmp -s "$shots/$1.png" "$shots/$2.png" || fail "$1 and $2 should show the same window"; }
differ() { ! cmp -s "$shots/$1.png" "$shots/$2.png" || fail "$1 and $2 should not show the same window"; }
as_user_edit() { as_user sed -i "$1" "$2"; }

data="$home/.local/share/q530/modules"
shipped="$prefix/share/q530/modules"
config="$data/setting/apConfig.bin"
lang="i18n/lang_025044.ini"

install_program
for f in bin/q530 share/q530/modules/setting/apConfig.bin share/q530/modules/$lang \
         share/applications/com.stellarc.q530.desktop share/metainfo/com.stellarc.q530.metainfo.xml \
         share/icons/hicolor/48x48/apps/com.stellarc.q530.png share/icons/hicolor/256x256/apps/com.stellarc.q530.png \
         share/icons/hicolor/scalable/apps/com.stellarc.q530.svg lib/udev/rules.d/70-q530.rules \
         bin/q530ctl share/man/man1/q530ctl.1.gz share/man/man1/q530.1.gz share/doc/q530/copyright \
         share/doc/q530/changelog.gz share/lintian/overrides/q530; do
    [ -f "$prefix/$f" ] || fail "not installed: $f"
done

echo "one version everywhere"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "no project version found"
[ "$(as_user "$prefix/bin/q530ctl" --version)" = "q530ctl $version" ] || fail "q530ctl --version is not $version"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/com.stellarc.q530.metainfo.xml" \
    || fail "the AppStream release is not $version"
zcat "$prefix/share/man/man1/q530ctl.1.gz" | head -1 | grep -q "\"q530 $version\"" || fail "the manual page is not of $version"
if [ "$mode" = deb ]; then
    [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package is not of version $version"
    [ "$(basename "$deb")" = "q530_${version}_amd64.deb" ] || fail "package file named $(basename "$deb")"
    depends=$(dpkg-deb -f "$deb" Depends)
    for d in libqt6quick6 libqt6quickwidgets6 libhidapi-hidraw0 qml6-module-qtquick qml6-module-qtquick-window \
             qml6-module-qtqml-workerscript qt6-qpa-plugins; do
        case ", $depends" in *", $d"*) ;; *) fail "the package does not depend on $d: $depends" ;; esac
    done
    dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./postinst | grep -q "udevadm control --reload-rules" \
        || fail "the package does not reload udev's rules after install"
    dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./postrm | grep -q "udevadm control --reload-rules" \
        || fail "the package does not reload udev's rules after removal"
fi
[ ! -e "$prefix/bin/modules" ] || fail "data installed beside the program"
snapshot() { (cd "$prefix" && find . -type f -exec md5sum {} + | sort); }
before=$(snapshot)

echo "first start seeds the user's folder"
run first
quiet first
diff -r "$shipped" "$data" >/dev/null || fail "the user's folder is not a copy of the shipped data"
[ -z "$(find "$data" ! -user "$user")" ] || fail "files in the user's folder that are not the user's"
[ "$(snapshot)" = "$before" ] || fail "the program wrote into its installation"

echo "a changed setting shows and survives a restart"
as_user_edit 's/^language=English$/language=ChineseSimplified/' "$config"
run changed
quiet changed
differ changed first
run restarted
same restarted changed
grep -q "^language=ChineseSimplified$" "$config" || fail "the changed setting was lost on restart"

echo "...and a re-install"
install_program
run reinstalled
quiet reinstalled
same reinstalled changed
grep -q "^language=ChineseSimplified$" "$config" || fail "the changed setting was lost on re-install"

echo "a newer shipped language file reaches the user"
chmod -R u+w "$prefix"
sed -i 's/^0="轴向灵敏度"$/0="XY 灵敏度"/' "$shipped/$lang"
grep -q '^0="XY 灵敏度"$' "$shipped/$lang" || fail "the test's language edit found nothing to change"
[ -n "$made_user" ] || chmod -R a-w "$prefix"
run newlang
quiet newlang
cmp -s "$shipped/$lang" "$data/$lang" || fail "the user's language file is not the shipped one"
differ newlang changed
grep -q "^language=ChineseSimplified$" "$config" || fail "the changed setting was lost with the new language file"

echo "a data folder that cannot be written: the message, no crash"
as_user chmod a-w "$data/setting"
run locked
grep -q "Data folder $data cannot be written: $data/setting" "$shots/locked.log" || fail "locked: no clear message"
grep -q "temporary copy" "$shots/locked.log" || fail "locked: does not say where it works"
same locked newlang   # the user's own settings, on the copy
as_user chmod u+w "$data/setting"
grep -q "^language=ChineseSimplified$" "$config" || fail "locked: the user's setting changed"

echo "a data folder that cannot be made: the message, no crash"
as_user touch "$work/home/plain-file"
run unmade XDG_DATA_HOME="$home/plain-file/share"
grep -q "Data folder $home/plain-file/share/q530/modules cannot be created" "$shots/unmade.log" \
    || fail "unmade: no clear message"
same unmade first     # the shipped settings, on a copy

echo "the command line beside the program works on the user's folder"
before=$(snapshot)
status=0
as_user env -i HOME="$home" USER="$user" PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$runtime" \
    Q530_INSTANCE_KEY="install-test-$$" timeout 60 "$prefix/bin/q530ctl" --simulate rate 250 \
    >"$shots/ctl.log" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "q530ctl ended with $status"
grep -q "^reportRate_R8=4$" "$data/setting/p1.bin" || fail "q530ctl did not store in the user's profile"
[ "$(snapshot)" = "$before" ] || fail "q530ctl wrote into its installation"

echo "all install checks passed"
