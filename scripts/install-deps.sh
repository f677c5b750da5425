#!/usr/bin/env bash
# Installs the Debian packages Quindra needs, only those that are missing.
# Uses sudo when not root. Also generates the pt_BR.UTF-8 locale the tests run under.
set -euo pipefail

pacotes=(
    g++ cmake ninja-build pkg-config
    libjpeg62-turbo-dev libpng-dev zlib1g-dev libcli11-dev libsimdjson-dev
    libembree-dev libtbb-dev
    libfreetype-dev fonts-dejavu-core   # captions drawn into pictures
    libgtest-dev libbenchmark-dev
    clang libclang-rt-dev
    locales python3
    qt6-base-dev           # the window (Widgets, Test); its GL dev packages come with it
    qt6-translations-l10n  # Qt's own dialogs and buttons in Portuguese
    xvfb xauth             # screenshots of the window without a desktop
    dpkg-dev file          # the Debian package: cpack's dependency list (dpkg-shlibdeps)
    appstream desktop-file-utils shared-mime-info groff-base   # checks of what it installs
)

como_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

faltam=()
for pacote in "${pacotes[@]}"; do
    dpkg-query -W -f='${Status}' "$pacote" 2>/dev/null | grep -q "install ok installed" ||
        faltam+=("$pacote")
done
if [ ${#faltam[@]} -gt 0 ]; then
    echo "Installing: ${faltam[*]}"
    como_root apt-get update -qq
    como_root env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${faltam[@]}"
fi

if ! locale -a 2>/dev/null | grep -qiE '^pt_BR\.utf-?8$'; then
    echo "Generating the pt_BR.UTF-8 locale"
    como_root localedef -i pt_BR -f UTF-8 pt_BR.UTF-8
fi
