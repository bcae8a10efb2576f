# Writes the launcher and the desktop entry while installing, when the final prefix is known.
set(TOATOA_LAUNCHER "${CMAKE_INSTALL_PREFIX}/${TOATOA_LAUNCHER_DIR}/desktop-start")

# A desktop entry's Exec takes a quoted path with \ " ` $ escaped by a backslash, and that line is
# itself a string value in which every backslash is doubled; % starts a field code unless doubled.
set(exec "${TOATOA_LAUNCHER}")
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "\"" "\\\"" exec "${exec}")
string(REPLACE "`" "\\`" exec "${exec}")
string(REPLACE "$" "\\$" exec "${exec}")
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
set(TOATOA_LAUNCHER_EXEC "\"${exec}\"")

configure_file("${TOATOA_SOURCE}/desktop-start.sh.in" "${TOATOA_GENERATED}/desktop-start" @ONLY)
configure_file("${TOATOA_SOURCE}/desktop.in" "${TOATOA_GENERATED}/${TOATOA_APP_ID}.desktop" @ONLY)
