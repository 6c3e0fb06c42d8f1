#!/usr/bin/env bash
# Takes the README's screenshots on a virtual X screen, each with the sample
# task chosen and its second device group selected: the demo host on a
# 1366 x 768 screen in English and in Chinese, and the stand-alone program on
# a 1024 x 768 screen.
#   tools/screenshots.sh [build/bin]
# Needs xvfb-run, xdotool and imagemagick's import.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$(cd "${1:-$root/build/bin}" && pwd)
out=$root/docs/screenshots
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# name program translator screen task-row device-row
shoot() {
    local app=$work/app-$1 run=$work/run-$1
    mkdir -p "$app" "$run"
    # A runtime directory of its own: no running instance meets this one.
    mkdir -m 700 "$work/runtime-$1"
    cp -a "$bin/$2" "$bin"/libVardex.so "$bin"/libtkl.so "$bin"/DefCfg.xml "$bin"/Device.Xml "$app"/
    printf '<Configs><Translator><Value>%s</Value></Translator><VersionType><Value>1</Value></VersionType></Configs>\n' \
        "$3" > "$app"/Setup.xml
    cp "$root"/tools/screenshots/Task.xml "$run"/
    (cd "$run" && XDG_RUNTIME_DIR=$work/runtime-$1 xvfb-run -a -s "-screen 0 ${4}x24" bash -c "
        '$app/$2' & pid=\$!
        sleep 3
        xdotool mousemove $5 click 1
        sleep 2
        xdotool mousemove $6 click 1
        sleep 1
        import -window root '$out/$1.png'
        kill \$pid")
}

shoot main-window-en vardex-host 0 1366x768 '60 154' '330 226'
shoot main-window-zh vardex-host 1 1366x768 '60 154' '330 226'
shoot stand-alone-en vardex 0 1024x768 '60 155' '320 223'
echo "written: $out/main-window-en.png $out/main-window-zh.png $out/stand-alone-en.png"
