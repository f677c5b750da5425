#!/usr/bin/env bash
# Builds the Debian package into build/pacote/ (the pacote workflow preset: an optimised build
# of quindra and quindra-render alone, then cpack -G DEB) and checks it: its control fields, that
# Depends was computed from the binaries, that the files a desktop needs are in it, and the
# metainfo and desktop entry it carries (appstreamcli, desktop-file-validate).
# Install it with: sudo apt install ./build/pacote/quindra_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
inicio=$SECONDS

rm -f build/pacote/quindra_*.deb
cmake --workflow --preset pacote
pacotes=(build/pacote/quindra_*.deb)
[ ${#pacotes[@]} -eq 1 ] && [ -f "${pacotes[0]}" ] || {
    echo "pacote.sh: expected one build/pacote/quindra_*.deb, found: ${pacotes[*]}" >&2
    exit 1
}
deb=${pacotes[0]}

dpkg-deb -I "$deb"
falha() { echo "pacote.sh: $deb: $*" >&2; exit 1; }

depende=$(dpkg-deb -f "$deb" Depends)
[ -n "$depende" ] || falha "no Depends line"
grep -q 'libqt6widgets6' <<<"$depende" || falha "Depends lacks libqt6widgets6: $depende"
grep -q 'qt6-translations-l10n' <<<"$depende" || falha "Depends lacks qt6-translations-l10n"

conteudo=$(mktemp -d build/pacote/conteudo.XXXXXX)
trap 'rm -rf "$conteudo"' EXIT
dpkg-deb -x "$deb" "$conteudo"
for arquivo in usr/bin/quindra usr/bin/quindra-render \
    usr/share/applications/quindra.desktop \
    usr/share/icons/hicolor/128x128/apps/quindra.png \
    usr/share/metainfo/io.github.quindra.Quindra.metainfo.xml \
    usr/share/man/man1/quindra.1.gz usr/share/man/man1/quindra-render.1.gz \
    usr/share/thumbnailers/quindra.thumbnailer usr/share/mime/packages/quindra.xml \
    usr/share/quindra/samples/toro.txt usr/share/quindra/samples/textura.bmp \
    usr/share/quindra/samples/configuracao/camera.txt; do
    [ -f "$conteudo/$arquivo" ] || falha "/$arquivo is missing"
done

# validate-tree validates the metainfo as `appstreamcli validate` does, and also finds the
# desktop entry it launches in the same tree.
appstreamcli validate-tree --no-net "$conteudo"
desktop-file-validate "$conteudo/usr/share/applications/quindra.desktop"

echo "pacote.sh: $deb built and checked in $((SECONDS - inicio)) s"
