# Writes and installs the launcher and the desktop entry while installing, when the final prefix
# is known.
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

# Written apart for each destination: two installs from one build may run at once.
string(MD5 destination "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(written "${TOATOA_GENERATED}/install-${destination}")
configure_file("${TOATOA_SOURCE}/desktop-start.sh.in" "${written}/desktop-start" @ONLY)
configure_file("${TOATOA_SOURCE}/desktop.in" "${written}/${TOATOA_APP_ID}.desktop" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${TOATOA_LAUNCHER_DIR}" TYPE PROGRAM
     FILES "${written}/desktop-start")
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${TOATOA_DATADIR}/applications" TYPE FILE
     FILES "${written}/${TOATOA_APP_ID}.desktop")
file(REMOVE_RECURSE "${written}")
