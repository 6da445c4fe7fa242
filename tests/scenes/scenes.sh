#!/bin/bash
# Records what the program shows for a fixed set of scenes of the sample installation — every
# menu command in German and English at two sizes, hovers, double clicks, picks, searches, a
# perk Show — and compares two recordings: dumps byte for byte, snapshots pixel for pixel.
#
#   tests/scenes/scenes.sh record KARVENNA_BIN OUTDIR [REGEX]
#                                                       record every scene (or those whose id
#                                                       matches REGEX) into OUTDIR
#   tests/scenes/scenes.sh compare DIR_A DIR_B          exit 1 when any scene differs
#   tests/scenes/scenes.sh against REV [BUILD_DIR]      build REV beside the tree, record both
#                                                       builds and compare them
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
sample="$root/data/sample"
# A folder of this run's own; dumps name it, so compare() puts a fixed word in its place.
work=$(mktemp -d "${TMPDIR:-/tmp}/karvenna-scenes.XXXXXX")
trap 'rm -rf "$work"' EXIT

scene_list() {
    local bin=$1 names
    # Every entry of the menu bar, as the program itself lists it (mx entries are additions).
    names=$(run_one "$bin" "$work/menu-list" --dump "$work/menu-list.json" >/dev/null 2>&1;
            grep -o '"name": *"[A-Za-z0-9]*"' "$work/menu-list.json" | sed 's/.*"\([^"]*\)"$/\1/' |
            grep -E '^(mi|mnu)' | sort -u)
    for size in 1024x768 800x600; do
        for name in $names; do
            echo "de-$size-$name --size $size --open $name"
            echo "en-$size-$name --size $size --language English --open $name"
        done
    done
    cat <<'SCENES'
hover-dot --open miCaldoraCities --hover DOT:3
hover-label --open miCaldoraCities --hover lblDOT:3
dblclick-dot --open miCaldoraCities --dblclick DOT:3
dblclick-label --open miCaldoraCities --dblclick lblDOT:5
hover-hidden-labels --open miQasiraDragonroots --hover DOT:2
pick-info --open miCaldoraNPCs --pick-index 3 --hover ITEM --hover lblCaption --hover btnInfo --click btnInfo
pick-dblclick --open miCaldoraNPCs --pick-index 7 --dblclick ITEM
pick-text-en --language English --open miCaldoraNPCs --pick-index 2 --dblclick lblCaption
right-click-map --open miFrostmereCaves --right-click 120,80
right-click-start --right-click 10,10
resize-category --open miCaldoraCities --resize 700x500 --resize 1100x820
resize-list --open miCaldoraNPCs --pick-index 4 --resize 640x480
find-name --find Wolf
find-again --find Wolf --find-again --find-again
find-desc --find-mode descriptions --find Höhle --find-again
find-none --find Zzzyx
find-cancel --find-mode descriptions --find-cancel
find-en --language English --find Wolf --find-again
perks-show --perks miCaldoraPerks:perk acrobatics
perks-cancel --perks miFrostmerePerks:
perks-en --language English --perks miQasiraPerks:perk sleep
language-back --language English --language Deutsch --open miCaldoraCaves
about --about
extras --extras perklist.chm
extras-en --language English --extras faq.html
SCENES
}

run_one() {
    local bin=$1 home=$2
    shift 2
    rm -rf "$home" && mkdir -p "$home"
    cp -al "$sample" "$home/install"
    # Written by the language choice: a copy of its own, never a link into the sample.
    rm "$home/install/karvenna.ini" && cp "$sample/karvenna.ini" "$home/install/karvenna.ini"
    printf '[HKEY_CURRENT_USER\\Control Panel\\International]\nsLanguage=deu\n' >"$home/registry.ini"
    mkdir -p "$home/config" "$home/data" "$home/state"
    env QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 KARVENNA_PRINTERS= \
        KARVENNA_REGISTRY="$home/registry.ini" XDG_CONFIG_HOME="$home/config" \
        XDG_DATA_HOME="$home/data" XDG_STATE_HOME="$home/state" \
        "$bin" --home "$home/install" --batch "$@"
}

record() {
    local bin out
    bin=$(readlink -f "$1")
    set -- "$1" "$2" "${3:-}"
    mkdir -p "$2" && out=$(cd "$2" && pwd)
    mkdir -p "$work"
    local count=0
    while read -r id args; do
        # Arguments with blanks ("perk archer") keep them: split at " --" only.
        local -a argv=()
        local rest=" $args"
        while [[ -n "$rest" ]]; do
            local opt=${rest#" --"}
            rest=""
            if [[ "$opt" == *" --"* ]]; then
                rest=" --${opt#*" --"}"
                opt=${opt%%" --"*}
            fi
            argv+=("--${opt%% *}")
            [[ "$opt" == *" "* ]] && argv+=("${opt#* }")
        done
        run_one "$bin" "$work/$id" "${argv[@]}" --dump "$out/$id.json" --snapshot "$out/$id.png" \
            >"$out/$id.out" 2>&1 || echo "exit $?" >>"$out/$id.out"
        rm -rf "${work:?}/$id"
        count=$((count + 1))
    done < <(scene_list "$bin" | grep -E -- "^(${3:-.*}) ")
    echo "recorded $count scenes into $out"
}

compare() {
    local a=$1 b=$2 differ=0 total=0 f
    for f in "$a"/*.json; do
        local id
        id=$(basename "$f" .json)
        total=$((total + 1))
        if [[ ! -f "$b/$id.json" ]]; then
            echo "missing in $b: $id"; differ=$((differ + 1)); continue
        fi
        if ! python3 "$here/samedump.py" "$f" "$b/$id.json"; then
            echo "dump differs: $id"
            differ=$((differ + 1))
        elif ! cmp -s "$a/$id.png" "$b/$id.png"; then
            # Same pixels can still be encoded differently: count them before calling it a change.
            local px
            px=$(command compare -metric AE "$a/$id.png" "$b/$id.png" /dev/null 2>&1 || true)
            if [[ "$px" != "0" ]]; then
                echo "snapshot differs: $id ($px pixels)"; differ=$((differ + 1))
            fi
        fi
    done
    echo "$((total - differ)) passed, $differ failed"
    [[ $differ -eq 0 ]]
}

against() {
    local rev=$1 build=${2:-$root/build}
    local base="$root/build-scenes-base"
    rm -rf "$base/src"
    mkdir -p "$base"
    git -C "$root" worktree add -f --detach "$base/src" "$rev" >/dev/null
    cmake -S "$base/src" -B "$base/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$base/build" -j"$(nproc)" --target karvenna >/dev/null
    record "$base/build/karvenna" "$base/scenes-before"
    record "$build/karvenna" "$base/scenes-after"
    git -C "$root" worktree remove --force "$base/src"
    compare "$base/scenes-before" "$base/scenes-after"
}

case "${1:-}" in
record) [[ $# -ge 3 ]] || { echo "usage: $0 record KARVENNA_BIN OUTDIR [REGEX]" >&2; exit 2; }; record "$2" "$3" "${4:-}" ;;
compare) [[ $# -eq 3 ]] || { echo "usage: $0 compare DIR_A DIR_B" >&2; exit 2; }; compare "$2" "$3" ;;
against) [[ $# -ge 2 ]] || { echo "usage: $0 against REV [BUILD_DIR]" >&2; exit 2; }; against "$2" "${3:-}" ;;
*) echo "usage: $0 record BIN OUT | compare A B | against REV [BUILD_DIR]" >&2; exit 2 ;;
esac
