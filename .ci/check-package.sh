#!/usr/bin/env bash
# Installs the Debian package given as the argument on this machine (as root), checks the installed tool,
# the design file type and the start-up of the installed program under a virtual display, then purges
# the package and checks that nothing of it is left.
set -euo pipefail
deb=$(realpath "$1")
export DEBIAN_FRONTEND=noninteractive

check_packages=(xvfb xauth xdotool desktop-file-utils appstream xdg-utils libfile-mimeinfo-perl)
missing=()
for package in "${check_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -ne 0 ]; then
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi

fail() {
    echo "check-package: $*" >&2
    exit 1
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# A user of our own, without a language file unless a check puts one there.
export XDG_CONFIG_HOME="$scratch/config"
mkdir -p "$XDG_CONFIG_HOME"

apt-get install -y "$deb"

desktop-file-validate /usr/share/applications/example.kelvaron.Kelvaron.desktop
appstreamcli validate --no-net /usr/share/metainfo/example.kelvaron.Kelvaron.metainfo.xml
(cd /usr/lib/kelvaron && sha256sum --check --quiet kelvaron.sha256)

kelvaron-cli selftest
kelvaron-cli generate /usr/share/kelvaron/examples/studie-x.kvd | tee "$scratch/list.txt"
grep -q "Studie X" "$scratch/list.txt" || fail "generate printed no list"

printf '[Design]\n' > "$scratch/x.kvd"
filetype=$(xdg-mime query filetype "$scratch/x.kvd")
[ "$filetype" = application/x-kelvaron-design ] || fail "x.kvd is of type '$filetype'"
[ "$(xdg-mime query default application/x-kelvaron-design)" = example.kelvaron.Kelvaron.desktop ] ||
    fail "the menu entry does not open design files"

# Starts the menu entry's command on a virtual display and follows the program's windows by their titles
# until the self-test dialog, titled in the expected language, has come and gone with the main window
# still up and no message box (titled "Kelvaron") at any time: a missing language file, a failed
# integrity check or a failed self-test each show one.
start_program() {
    local selftest_title=$1
    local command
    command=$(sed -n 's/^Exec=//p' /usr/share/applications/example.kelvaron.Kelvaron.desktop)
    xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" \
        bash -c "$(declare -f watch_program); watch_program '${command% %f}' '$selftest_title'"
}
watch_program() {
    local command=$1 selftest_title=$2
    $command &
    # A window closing while xdotool looks at it is an X error for xdotool only.
    xdotool() { command xdotool "$@" 2>/dev/null; }
    local program=$! seen_selftest=0
    for _ in $(seq 300); do
        sleep 0.1
        if ! kill -0 "$program" 2>/dev/null; then
            echo "the program ended during its start-up" >&2
            return 1
        fi
        if xdotool search --onlyvisible --name '^Kelvaron$' >/dev/null; then
            echo "a message box is shown" >&2
            kill "$program"
            return 1
        fi
        if xdotool search --onlyvisible --name "^$selftest_title\$" >/dev/null; then
            seen_selftest=1
        elif [ $seen_selftest = 1 ] && xdotool search --onlyvisible --name '^Morvex Kelvaron' >/dev/null; then
            # A failed self-test shows its message right after the dialog closes.
            sleep 1
            local box=0
            xdotool search --onlyvisible --name '^Kelvaron$' >/dev/null && box=1
            kill "$program"
            [ $box = 0 ] || echo "a message box followed the self-test" >&2
            [ $box = 1 ] || echo "the program passed its start-up checks with its '$selftest_title' dialog"
            return $box
        fi
    done
    echo "no self-test dialog titled '$selftest_title' within 30 s" >&2
    kill "$program"
    return 1
}
start_program Selbsttest || fail "the installed program did not start in German"

# The user's own language file, for the program and the tool.
install -D -m 644 /usr/share/kelvaron/lang/en/KelvaronLang.ini "$XDG_CONFIG_HOME/kelvaron/KelvaronLang.ini"
kelvaron-cli generate /usr/share/kelvaron/examples/multicenter.kvd | grep -q '^Center' ||
    fail "the tool did not take the user's language file"
start_program Self-test || fail "the installed program did not start in the user's language"
rm -r "$XDG_CONFIG_HOME/kelvaron"

dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|' > "$scratch/files"
apt-get purge -y kelvaron
if dpkg-query -W -f='${Status}\n' kelvaron 2>/dev/null | grep -qv "not-installed"; then
    fail "kelvaron is still known to dpkg"
fi
# The folders of /usr/share are shared with other packages; every file is ours.
while read -r path; do
    case "$path" in
    */) ;;
    *) [ ! -e "$path" ] && [ ! -L "$path" ] || fail "$path is left" ;;
    esac
done < "$scratch/files"
for path in /usr/lib/kelvaron /usr/share/kelvaron /usr/share/mime/application/x-kelvaron-design.xml; do
    [ ! -e "$path" ] || fail "$path is left"
done
! grep -rqs kelvaron /usr/share/applications/mimeinfo.cache || fail "the desktop database still names kelvaron"
echo "check-package: the package installs, starts and is removed cleanly"
