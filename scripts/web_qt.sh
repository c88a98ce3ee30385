# Qt for the web: WebAssembly, static, single-threaded, without Asyncify (the
# game's dialogs need no event loop of their own) and without the fonts Qt
# bundles for programs that bring none; only what the game needs (every
# widget, style, dialog and text format it does not use is left out, so
# that the page downloads less). Built with Debian's emscripten. Sourced by
# web.sh after common.sh.
# Sets QT_WEB: the installed Qt prefix; exports EMSDK and EMSCRIPTEN.
. "$ROOT/scripts/qt_cache.sh"

QT_WEB_OPTIONS=(-xplatform wasm-emscripten -qt-host-path /usr
    -static -release -optimize-size -nomake examples -nomake tests -no-fontconfig -no-dbus -no-icu -no-glib
    -qt-zlib -qt-libpng -no-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre
    -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-concurrent -no-feature-xml
    -no-feature-testlib -no-feature-textodfwriter -no-feature-textmarkdownreader -no-feature-textmarkdownwriter
    -no-feature-movie -no-feature-imageformat_bmp -no-feature-imageformat_ppm -no-feature-imageformat_xbm
    -no-feature-pdf -no-feature-picture -no-feature-texthtmlparser -no-feature-cssparser -no-feature-whatsthis
    -no-feature-undocommand -no-feature-style-fusion -no-feature-style-stylesheet -no-feature-graphicsview
    -no-feature-graphicseffect -no-feature-tableview -no-feature-treeview -no-feature-columnview
    -no-feature-completer -no-feature-datawidgetmapper -no-feature-undoview -no-feature-calendarwidget
    -no-feature-datetimeedit -no-feature-mainwindow -no-feature-dockwidget -no-feature-toolbar -no-feature-menubar
    -no-feature-statusbar -no-feature-mdiarea -no-feature-tabbar -no-feature-tabwidget -no-feature-toolbox
    -no-feature-splitter -no-feature-textbrowser -no-feature-splashscreen -no-feature-lcdnumber -no-feature-dial
    -no-feature-keysequenceedit -no-feature-commandlinkbutton -no-feature-syntaxhighlighter
    -no-feature-colordialog -no-feature-filedialog -no-feature-fontdialog -no-feature-fontcombobox
    -no-feature-progressdialog -no-feature-inputdialog -no-feature-errormessage -no-feature-wizard)
QT_OWN_PATCHES=(wasm-no-bundled-fonts.patch widgets-without-toolbar-and-menubar.patch)

# Qt finds emscripten only through an emsdk folder: EMSDK/.emscripten names
# the root, where Qt runs emcc and finds emscripten's CMake files. A small
# one in the cache points at Debian's emscripten.
use_debian_emscripten() {
    export EMSDK="$MUD_CACHE/emsdk" EMSCRIPTEN=/usr/share/emscripten
    # emcc's JavaScript tools need Debian's node modules (acorn) where node
    # is not Debian's own.
    export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
    [ -f "$EMSDK/.emscripten" ] && return 0
    mkdir -p "$EMSDK/upstream/emscripten"
    ln -sfn /usr/bin/emcc "$EMSDK/upstream/emscripten/emcc"
    ln -sfn /usr/bin/em++ "$EMSDK/upstream/emscripten/em++"
    ln -sfn /usr/share/emscripten/cmake "$EMSDK/upstream/emscripten/cmake"
    echo "EMSCRIPTEN_ROOT = 'upstream/emscripten'" > "$EMSDK/.emscripten"
}

qt_web_key() {
    { echo "$QT_VERSION ${QT_WEB_OPTIONS[*]} ${QT_PATCHES[*]}"; qt_own_patches_text
      emcc --version 2>/dev/null | sed -n 1p; } | sha256sum | cut -c1-12
}

build_qt_web() {
    use_debian_emscripten
    build_qt wasm "$(qt_web_key)" 40 "${QT_WEB_OPTIONS[@]}" -- -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    QT_WEB=$QT_PREFIX
}
