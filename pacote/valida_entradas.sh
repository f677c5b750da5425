#!/usr/bin/env bash
# Usage: valida_entradas.sh SOURCE_DIR [QUINDRA_RENDER [QUINDRA]]
# Checks the desktop files as written in the tree, without building the package: the AppStream
# metainfo (appstreamcli), the desktop entry (desktop-file-validate, warnings included), that
# the desktop entry, the thumbnailer and the metainfo claim the same MIME types and that each is
# known to shared-mime-info or defined by our own MIME package, that the manual pages format
# without a groff warning, and that every long option a program's --help lists is in its page.
set -euo pipefail
raiz=$1
render=${2:-}
janela=${3:-}
pacote=$raiz/pacote
metainfo=$pacote/io.github.quindra.Quindra.metainfo.xml
desktop=$raiz/src/gui/recursos/quindra.desktop
miniaturas=$pacote/quindra.thumbnailer
mime_nosso=$pacote/quindra-mime.xml
falhas=0
falha() { echo "FAIL: $*" >&2; falhas=$((falhas + 1)); }

appstreamcli validate --no-net "$metainfo" || falha "appstreamcli validate: $metainfo"

# desktop-file-validate fails on errors only; a warning is a fault here too (hints are not).
saida=$(desktop-file-validate "$desktop" 2>&1) || falha "desktop-file-validate: $desktop"
if grep -E ': (error|warning): ' <<<"$saida"; then falha "desktop-file-validate: $desktop"; fi

# The MIME types, one a line, sorted.
tipos_chave() { sed -n "s/^MimeType=//p" "$1" | tr ';' '\n' | sed '/^$/d' | sort; }
tipos_desktop=$(tipos_chave "$desktop")
tipos_miniaturas=$(tipos_chave "$miniaturas")
tipos_metainfo=$(sed -n 's|.*<mediatype>\(.*\)</mediatype>.*|\1|p' "$metainfo" | sort)
[ -n "$tipos_desktop" ] || falha "$desktop has no MimeType"
[ "$tipos_desktop" = "$tipos_miniaturas" ] ||
    falha "the desktop entry and the thumbnailer claim different MIME types"
[ "$tipos_desktop" = "$tipos_metainfo" ] ||
    falha "the desktop entry and the metainfo's <mediatype> list differ"
conhecidos=$( (cat /usr/share/mime/types; cut -d' ' -f1 /usr/share/mime/aliases
               sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$mime_nosso") | sort -u)
for tipo in $tipos_desktop; do
    grep -qxF "$tipo" <<<"$conhecidos" ||
        falha "MIME type $tipo is neither in shared-mime-info nor in $mime_nosso"
done
grep -qx 'TryExec=quindra-render' "$miniaturas" || falha "$miniaturas: TryExec"
grep -qE '^Exec=quindra-render --miniatura %s %i %o$' "$miniaturas" || falha "$miniaturas: Exec"

# groff says nothing about a page that formats cleanly.
for pagina in "$pacote"/*.1; do
    avisos=$(LC_ALL=C.UTF-8 groff -k -man -Tutf8 -ww -z "$pagina" 2>&1)
    [ -z "$avisos" ] || falha "groff on $pagina: $avisos"
done

# Every long option of --help is documented on the program's page.
opcoes_documentadas() {
    local programa=$1 pagina=$2 ajuda texto opcao
    ajuda=$("$programa" --help) || { falha "$programa --help"; return; }
    texto=$(sed 's/\\-/-/g' "$pagina")
    for opcao in $(grep -oE -- '--[a-z][a-z-]+' <<<"$ajuda" | sort -u); do
        grep -qF -- "$opcao" <<<"$texto" ||
            falha "$(basename "$pagina") does not document $opcao"
    done
}
[ -z "$render" ] || opcoes_documentadas "$render" "$pacote/quindra-render.1"
[ -z "$janela" ] || opcoes_documentadas "$janela" "$pacote/quindra.1"

[ "$falhas" -eq 0 ] || { echo "$falhas check(s) failed" >&2; exit 1; }
echo "metainfo, desktop entry, thumbnailer, MIME types and manual pages: OK"
