#!/usr/bin/env bash
# Takes the README's screenshots: the demo host with a sample task, once in
# English and once in Chinese, on a virtual X screen.
#   tools/screenshots.sh [build/bin]
# Needs xvfb-run, xdotool and imagemagick's import.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$(cd "${1:-$root/build/bin}" && pwd)
out=$root/docs/screenshots
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

shoot() { # language translator
    local app=$work/app-$1 run=$work/run-$1
    mkdir -p "$app" "$run"
    cp -a "$bin"/vardex-host "$bin"/libVardex.so "$bin"/libtkl.so "$bin"/DefCfg.xml "$bin"/Device.Xml "$app"/
    printf '<Configs><Translator><Value>%s</Value></Translator><VersionType><Value>1</Value></VersionType></Configs>\n' \
        "$2" > "$app"/Setup.xml
    cp "$root"/tools/screenshots/Task.xml "$run"/
    (cd "$run" && xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
        '$app/vardex-host' & pid=\$!
        sleep 3
        # The first task of the list, then the first device row of the tree.
        xdotool mousemove 70 158 click 1
        sleep 2
        xdotool mousemove 700 500
        sleep 1
        import -window root -crop 1200x860+0+0 '$out/main-window-$1.png'
        kill \$pid")
}

shoot en 0
shoot zh 1
echo "written: $out/main-window-en.png $out/main-window-zh.png"
