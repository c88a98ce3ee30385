# The one Qt the game uses, for every Qt built here from source (Windows and
# the web): static, built for size, and only what the game needs. A Qt
# feature the game starts to use is taken out of QT_GAME_LEFT_OUT here, once;
# windows_qt.sh and web_qt.sh add only what their platform alone needs.
# Sourced by qt_cache.sh.

QT_GAME_OPTIONS=(-qt-host-path /usr -static -release -optimize-size -nomake examples -nomake tests
    -no-dbus -no-icu -no-glib -qt-zlib -qt-libpng -no-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre)

# What the game does not use: no network, files, printing, thread pools,
# XML, regular expressions, time zones or gestures (a touch is a touch); no
# rich text, no image formats but PNG and XPM (the pictures) and no movies;
# only the classic Windows style; of the widgets, the windows, labels,
# frames, buttons and drop-down lists (with what their popups need); no
# standard dialogs, message boxes, tray icon or session management; SHA-3
# (which Qt carries whether or not it is used) in its small form.
# HarfBuzz stays: without it Qt does not kern, and the texts would move.
QT_GAME_LEFT_OUT=(sql network printsupport concurrent xml regularexpression timezone gestures sha3-fast
    textodfwriter textmarkdownreader textmarkdownwriter texthtmlparser cssparser syntaxhighlighter
    pdf picture movie gif ico imageformat_bmp imageformat_ppm imageformat_xbm mimetype-database
    style-fusion style-stylesheet style-windowsvista graphicsview graphicseffect whatsthis undocommand
    tableview treeview columnview listwidget completer datawidgetmapper undoview
    calendarwidget datetimeedit spinbox mainwindow dockwidget toolbar menubar statusbar mdiarea
    tabbar tabwidget toolbox splitter textedit textbrowser splashscreen lcdnumber dial progressbar
    keysequenceedit commandlinkbutton sizegrip scroller
    colordialog filedialog fontdialog fontcombobox progressdialog inputdialog errormessage wizard messagebox
    filesystemmodel systemtrayicon sessionmanager desktopservices)

# Patches of the project's own (in qt_patches/) that such a Qt needs on
# every platform: parts of Qt 6.4 that build only with these features.
QT_GAME_PATCHES=(widgets-without-toolbar-and-menubar.patch widgets-without-messagebox.patch
    widgets-without-filesystemmodel.patch core-without-regularexpression.patch)

# qt_game_options: the options above as configure takes them.
qt_game_options() {
    local f
    printf '%s\n' "${QT_GAME_OPTIONS[@]}"
    for f in "${QT_GAME_LEFT_OUT[@]}"; do printf -- '-no-feature-%s\n' "$f"; done
}
