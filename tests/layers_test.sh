#!/usr/bin/env bash
# Each source folder includes only from itself and the folders below it:
# app -> main -> gesture -> {overlay, editor, prefs, tray, widgets} -> recognition -> launch
# -> {store, platform}. widgets is the base of its level; store needs nothing.
# What is particular to one display server or to the kernel's input (platform/x11, wayland,
# evdev) is seen through platform's interfaces: only the programs' mains (app, inputd) and
# platform itself include it.
# Usage: layers_test.sh SOURCE_ROOT
set -euo pipefail
src=$1

declare -A below=(
    [platform]=""
    [store]=""
    [launch]="store platform"
    [recognition]="launch store platform"
    [widgets]="recognition launch store platform"
    [overlay]="widgets recognition launch store platform"
    [editor]="widgets recognition launch store platform"
    [prefs]="widgets recognition launch store platform"
    [tray]="widgets platform"
    [gesture]="overlay prefs widgets recognition launch store platform"
    [main]="gesture overlay editor prefs tray widgets recognition launch store platform"
    [app]="main gesture overlay editor prefs tray widgets recognition launch store platform"
    [inputd]="platform"
)

status=0
for folder in "${!below[@]}"; do
    while IFS= read -r hit; do
        file=${hit%%:*}
        target=${hit#*#include \"}
        target=${target%%/*}
        [ "$target" = "$folder" ] && continue
        case " ${below[$folder]} " in
        *" $target "*) ;;
        *)
            echo "${file#"$src"/}: $folder may not include from $target"
            status=1
            ;;
        esac
    done < <(grep -rHE '^#include "[a-z]+/' "$src/$folder" || true)
done
while IFS= read -r hit; do
    file=${hit%%:*}
    target=${hit#*#include \"}
    echo "${file#"$src"/}: only app, inputd and platform may include ${target%\"}"
    status=1
done < <(grep -rHE '^#include "platform/(x11|wayland|evdev)/' "$src" |
    grep -vE "^$src/(app|inputd|platform)/" || true)
[ "$status" -eq 0 ] && echo "layers: ok"
exit "$status"
