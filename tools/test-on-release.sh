#!/usr/bin/env bash
# Runs the test command (./test.sh) on another Debian release, in a root of that release made
# once with mmdebstrap and kept: tools/test-on-release.sh SUITE (trixie: Debian 13; forky:
# Debian testing). Each run clones the committed HEAD afresh into the root; the packages the
# test command installs there stay for the next run. The full log is kept in a file; the
# failures and one summary line are printed, and the exit status is 0 only when every test of
# the three trees passed.
#
# tools/test-on-release.sh SUITE --deb FILE.deb installs that package in the root instead, starts
# the program offscreen for a few seconds and says whether it installed, ran and kept its
# standard error empty.
#
# tools/test-on-release.sh SUITE --prepare only makes the root and installs there, with the
# project's own set-up script, the packages the test command needs; CI does that while the tests
# run on this machine.
#
# Needs root (mmdebstrap, chroot, mounts). The roots and logs live under
# /var/cache/fle-test8 (FLE_RELEASE_CACHE sets another place).
set -euo pipefail

usage="usage: tools/test-on-release.sh SUITE [--deb FILE.deb | --prepare]   (SUITE: trixie, forky)"
suite="${1:-}"
[[ "$suite" =~ ^[a-z]+$ ]] || { echo "$usage" >&2; exit 2; }
shift
deb="" prepare=""
while [ $# -gt 0 ]; do
    case "$1" in
        --prepare) prepare=1; shift ;;
        --deb) [ $# -ge 2 ] && [ -f "$2" ] || { echo "$usage: no such file" >&2; exit 2; }
               deb="$(realpath "$2")"; shift 2 ;;
        *) echo "$usage" >&2; exit 2 ;;
    esac
done
[ "$(id -u)" -eq 0 ] || { echo "test-on-release.sh: needs root (mmdebstrap, chroot)" >&2; exit 2; }

here="$(cd "$(dirname "$0")" && pwd)"
repo="$(git -C "$here/.." rev-parse --show-toplevel)"
cache="$(realpath -m "${FLE_RELEASE_CACHE:-/var/cache/fle-test8}")"
root="$cache/roots/$suite"
ready="$root/etc/fle-test8-root"      # written last when the root is made; a root without it is
                                      # half-made and is made again
mkdir -p "$cache/roots" "$cache/logs"
# One run at a time in a root.
exec 9>"$cache/roots/$suite.lock"
flock -n 9 || { echo "test-on-release.sh: another run is using the $suite root" >&2; exit 2; }
log="$cache/logs/$suite-$(date -u +%Y%m%d-%H%M%S)${deb:+-deb}${prepare:+-prepare}.log"
: >"$log"
started=$SECONDS
# shellcheck source=tools/setup.sh
source "$here/setup.sh"

# end_processes_in DIR [PROC]: ends, each by its id, every process whose root directory is DIR (as
# seen through the proc file system PROC, /proc by default): politely first, then by force.
end_processes_in() {
    local dir="$1" proc="${2:-/proc}" signal pid pids
    for signal in TERM KILL; do
        pids=()
        for pid in "$proc"/[0-9]*; do
            pid="${pid##*/}"
            [ "$pid" = 1 ] && [ "$proc" != /proc ] && continue   # the namespace's own first process
            [ "$(readlink "$proc/$pid/root" 2>/dev/null)" = "$dir" ] && pids+=("$pid")
        done
        [ ${#pids[@]} -eq 0 ] && return 0
        echo "ending ${#pids[@]} process(es) left in $dir (SIG$signal): ${pids[*]}" >&2
        kill -s "$signal" "${pids[@]}" 2>/dev/null || true
        for _ in $(seq 50); do
            local alive=0
            for pid in "${pids[@]}"; do [ -e "$proc/$pid" ] && alive=1; done
            [ "$alive" -eq 0 ] && return 0
            sleep 0.1
        done
    done
}

# unmount_below DIR: unmounts every mount at or below DIR, deepest first; fails if one stays.
unmount_below() {
    local dir="$1" point
    mounts_below() { awk -v d="$dir" '$5 == d || index($5, d "/") == 1 { print $5 }' \
                         /proc/self/mountinfo | sort -r; }
    for point in $(mounts_below); do
        umount "$point" 2>/dev/null || umount -l "$point" 2>/dev/null || true
    done
    [ -z "$(mounts_below)" ] && return 0
    echo "still mounted below $dir: $(mounts_below | tr '\n' ' ')" >&2
    return 1
}

# in_namespace ROOT COMMAND...: runs COMMAND in the root through chroot, with proc, /dev,
# /dev/pts, a fresh /dev/shm and /tmp and a read-only sys mounted for it, in a mount and process
# namespace of its own: the mounts are undone and every process left in the root is ended when
# the command ends, and the kernel drops both even if this script is killed.
in_namespace() {
    local root="$1"
    shift
    set -euo pipefail
    teardown() {
        end_processes_in "$root" "$root/proc"
        unmount_below "$root"
    }
    trap teardown EXIT
    mount -t proc proc "$root/proc"
    mount -t sysfs -o ro,nosuid,nodev,noexec sysfs "$root/sys"
    mount --bind /dev "$root/dev"
    mount --bind /dev/pts "$root/dev/pts"
    mount -t tmpfs -o nosuid,nodev,mode=1777 tmpfs "$root/dev/shm"
    mount -t tmpfs -o nosuid,nodev,mode=1777 tmpfs "$root/tmp"
    local status=0
    chroot "$root" "$@" || status=$?
    teardown
    trap - EXIT
    return "$status"
}

# in_root COMMAND...: runs COMMAND in the root with a clean environment; CI and the proxies are
# passed through.
in_root() {
    local environment=(PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
                       HOME=/root LANG=C.UTF-8 TERM=dumb DEBIAN_FRONTEND=noninteractive)
    local name
    for name in CI http_proxy https_proxy no_proxy; do
        [ -n "${!name:-}" ] && environment+=("$name=${!name}")
    done
    unshare --mount --propagation private --pid --fork --kill-child --ipc -- \
        bash -c "$(declare -f in_namespace end_processes_in unmount_below); in_namespace \"\$@\"" \
        in_namespace "$root" /usr/bin/env -i "${environment[@]}" "$@"
}

# run_child [--stop] COMMAND...: runs COMMAND in the background and waits for it, so that a
# signal to this script is taken at once; --stop: the clean-up sends it SIGTERM too.
child="" stop_child=""
run_child() {
    local stop=""
    [ "$1" = --stop ] && { stop=1; shift; }
    "$@" &
    child=$! stop_child="$stop"
    local status=0
    wait "$child" || status=$?
    child=""
    return "$status"
}

deb_copy=""
cleanup() {
    local status=$?
    trap - EXIT INT TERM HUP
    local dir
    [ -n "$child" ] && [ -n "$stop_child" ] && kill -TERM "$child" 2>/dev/null
    for dir in "$root" "$root.new"; do end_processes_in "$dir"; done
    if [ -n "$child" ]; then   # the namespace undoes its mounts as its command ends
        for _ in $(seq 300); do kill -0 "$child" 2>/dev/null || break; sleep 0.1; done
        kill -KILL "$child" 2>/dev/null || true
    fi
    for dir in "$root" "$root.new"; do unmount_below "$dir" || status=1; done
    [ -n "$deb_copy" ] && rm -f "$deb_copy"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

remove_tree() {   # remove_tree DIR: removes DIR, never through a mount left inside it
    [ -e "$1" ] || return 0
    end_processes_in "$1"
    unmount_below "$1"
    rm -rf --one-file-system "$1"
}

minutes() { printf '%d min %d s' $(($1 / 60)) $(($1 % 60)); }

# The archive, the way this machine's apt reaches it: the mirror it uses for its own release
# and for its security updates, and its proxies.
host_site() {   # host_site SUFFIX: the address this machine's apt uses for its release+SUFFIX
    local codename
    codename="$(. /etc/os-release && echo "$VERSION_CODENAME")"
    apt-get indextargets --format '$(RELEASE) $(SITE)' 2>/dev/null |
        awk -v r="$codename$1" '$1 == r { print $2; exit }'
}
make_root() {
    install_missing mmdebstrap
    local mirror security
    mirror="$(host_site '')"
    security="$(host_site -security)"
    mirror="${mirror:-http://deb.debian.org/debian}"
    security="${security:-http://deb.debian.org/debian-security}"
    local sources=("deb $mirror $suite main") options=()
    case "$suite" in
        bookworm|trixie)
            sources+=("deb $mirror $suite-updates main" "deb $security $suite-security main") ;;
        *)  # Debian testing's index carries a Valid-Until date that a mirror can pass
            options+=(--aptopt='Acquire::Check-Valid-Until "false"') ;;
    esac
    local line
    while IFS= read -r line; do
        [ -n "$line" ] && options+=(--aptopt="$line")
    done < <(apt-config dump | grep -E '^Acquire::(http|https|ftp)::Proxy' || true)
    echo "Making a root of Debian $suite in $root (once; from $mirror) ..."
    local made=$SECONDS
    remove_tree "$root.new"
    remove_tree "$root"
    # mmdebstrap writes the --aptopt and --dpkgopt lines into the root, so its later apt runs keep
    # them. A root for tests only: dpkg skips its fsync calls there, and man-db its index.
    options+=(--dpkgopt=force-unsafe-io
              --customize-hook='echo "man-db man-db/auto-update boolean false" |
                                chroot "$1" debconf-set-selections')
    if ! run_child --stop mmdebstrap --variant=apt --include=git,ca-certificates "${options[@]}" \
            "$suite" "$root.new" "${sources[@]}" >>"$log" 2>&1; then
        tail -n 20 "$log" >&2
        echo "test-on-release.sh: mmdebstrap failed; the half-made root is removed" >&2
        remove_tree "$root.new"
        exit 1
    fi
    echo "$suite, made $(date -u +%Y-%m-%dT%H:%M:%SZ) by mmdebstrap from $mirror" \
        >"$root.new/etc/fle-test8-root"
    mv "$root.new" "$root"
    echo "Root made in $(minutes $((SECONDS - made)))."
}
[ -f "$ready" ] || make_root

release="$(. "$root/etc/os-release" && echo "${VERSION_ID:-}")"
label="Debian ${release:-testing} ($suite)"
# A run stopped while apt was installing leaves dpkg half-done; finish that first.
in_root dpkg --configure -a >>"$log" 2>&1 || true
cp --remove-destination /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true

if [ -n "$deb" ]; then
    # The given package, installed with apt as a user would, started offscreen for five seconds.
    deb_copy="$root/var/cache/fle-test8-$(basename "$deb")"
    cp "$deb" "$deb_copy"
    name="$(dpkg-deb -f "$deb" Package)"
    echo "Installing $(basename "$deb") in $label ..."
    set +e
    run_child in_root bash -c '
        apt-get update -qq && apt-get install -y "$1" || exit 10
        runtime="$(mktemp -d)"
        XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen timeout 5 "$2" 2>"$runtime/stderr"
        status=$?
        echo "== exit status $status"
        echo "== standard error:"
        cat "$runtime/stderr"
        apt-get purge -y -qq "$3" >/dev/null
        [ "$status" -eq 124 ] && [ ! -s "$runtime/stderr" ] || exit 11
    ' deb "${deb_copy#"$root"}" "/usr/bin/$name" "$name" >>"$log" 2>&1
    status=$?
    set -e
    case "$status" in
        0)  verdict="installed; ran 5 s offscreen with an empty standard error" ;;
        10) why="$(grep -E '^ *[a-z0-9.+-]+ : (Pre-)?Depends:|^E: ' "$log" | head -n 3 |
                   sed -E 's/^ +//' | paste -sd ';' | sed 's/;/; /g')"
            verdict="did not install (${why:-see the log})" ;;
        11) stderr="$(sed -n '/^== standard error:$/,$p' "$log" | sed 1d | grep -v '^Reading\|^$' |
                      head -n 3 | paste -sd '|')"
            run="$(sed -n 's/^== exit status //p' "$log")"
            [ "$run" = 124 ] && ran="ran 5 s offscreen" || ran="exited with status $run"
            verdict="installed; $ran; standard error: ${stderr:-empty}" ;;
        *)  verdict="could not be tried (status $status)" ;;
    esac
    echo "$label: $(basename "$deb") $verdict in $(minutes $((SECONDS - started))); log: $log"
    exit "$status"
fi

# A clean clone of the committed HEAD; what is not committed is not tested.
head="$(git -C "$repo" rev-parse HEAD)"
remove_tree "$root/checkout"
git clone -q --no-local "$repo" "$root/checkout"
git -C "$root/checkout" checkout -q --detach "$head"

if [ -n "$prepare" ]; then
    echo "Installing the packages the test command needs in $label ..."
    status=0
    run_child in_root bash -c 'cd /checkout && source tools/setup.sh &&
        install_missing "${PACKAGES[@]}" "${TEST_PACKAGES[@]}"' >>"$log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || tail -n 20 "$log"
    echo "$label: root ready in $(minutes $((SECONDS - started))); log: $log"
    exit "$status"
fi
[ -z "$(git -C "$repo" status --porcelain --untracked-files=no)" ] ||
    echo "Note: uncommitted changes in $repo are not tested."
echo "Running ./test.sh of $(git -C "$repo" log -1 --format='%h (%s)' | cut -c1-72) in $label ..."
echo "Full log: $log"
run_tests() {   # the output in the log, the test command's progress on the terminal
    set +e
    in_root bash -c 'cd /checkout && exec ./test.sh' 2>&1 | tee -a "$log" |
        grep --line-buffered -E '^(== |Installing |Building )'
    local statuses=("${PIPESTATUS[@]}")
    return "${statuses[0]}"
}
status=0
run_child run_tests || status=$?

# The counts: the sum of CTest's summaries of the trees the test command ran (Qt 5, Qt 6,
# sanitizers), skipped tests counted apart; a tree that never reached its tests is named.
trees_expected=3
read -r trees total failed < <(awk '
    /^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+/ {
        trees++; failed += $4; total += $NF }
    END { print trees + 0, total + 0, failed + 0 }' "$log")
skipped="$(grep -cE '^[[:space:]]*[0-9]+ - .* \(Skipped\)$' "$log" || true)"
passed=$((total - failed - skipped))
echo
# The failures, tree by tree: CTest's list of failed tests and the first failure lines of each
# test program and of the scripts.
awk -v max=5 '
    function flush() {
        if (tree == "" || (n == 0 && failed == "")) return
        print tree
        for (i = 0; i < n; i++) print "  " lines[i]
        if (more > 0) print "  ... and " more " more failure lines in the log"
        if (failed != "") print "  failed:" failed
    }
    /^== tests in / { flush(); tree = $0; n = 0; more = 0; failed = ""; next }
    /^(FAIL!|FAIL:) / {   # at most max lines from each Qt Test class and from the scripts
        key = $1 == "FAIL!" ? substr($3, 1, index($3, "::")) : "script"
        if (shown[tree, key]++ < max) lines[n++] = $0; else more++
        next }
    /^[ \t]*[0-9]+ - .* \((Failed|Timeout|SEGFAULT|Subprocess aborted|Exception|Not Run)\)$/ {
        failed = failed " " substr($0, index($0, " - ") + 3) ","; next }
    END { flush() }' "$log" | sed 's/,$//' >"$log.failures"
if [ -s "$log.failures" ]; then
    echo "Failures (the whole output is in $log):"
    cat "$log.failures"
fi
rm -f "$log.failures"
if [ "$trees" -lt "$trees_expected" ]; then
    echo "The test command stopped before the tests of $((trees_expected - trees)) of its" \
         "$trees_expected trees; the log ends:"
    tail -n 25 "$log"
fi

qt_version() {   # the upstream version of a package installed in the root, or "-"
    local version
    version="$(chroot "$root" dpkg-query -W -f='${Version}' "$1" 2>/dev/null)" || version=""
    version="$(sed -E 's/^[0-9]+://; s/[+~-].*//' <<<"$version")"
    echo "${version:--}"
}
summary="$passed passed, $failed failed"
[ "$skipped" -gt 0 ] && summary+=", $skipped skipped"
[ "$trees" -lt "$trees_expected" ] && summary+="; only $trees of $trees_expected trees tested"
[ "$status" -ne 0 ] && [ "$failed" -eq 0 ] && summary+="; test command exited with status $status"
echo "$label: $summary in $(minutes $((SECONDS - started))) (Qt $(qt_version qtbase5-dev)," \
     "Qt $(qt_version qt6-base-dev)); log: $log"
[ "$status" -eq 0 ] && [ "$failed" -eq 0 ] && [ "$trees" -eq "$trees_expected" ]
