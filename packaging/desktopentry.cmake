# Installs the menu entry with Exec naming the game by its full path, so that
# it starts from the menu wherever the game lies, on the user's PATH or not.
# Run at install time with MORVICK_TEMPLATE, MORVICK_STAGING (a folder of the
# build's), MORVICK_GAME (the game's path under the install prefix) and
# MORVICK_ENTRY (the entry's file name).

# The desktop entry's rules: inside double quotes, " ` $ and \ take a
# backslash; the value as a whole then doubles every backslash; % is %%.
set(exec "${CMAKE_INSTALL_PREFIX}/${MORVICK_GAME}")
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "\"" "\\\"" exec "${exec}")
string(REPLACE "`" "\\`" exec "${exec}")
string(REPLACE "$" "\\$" exec "${exec}")
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
set(MORVICK_EXEC "\"${exec}\"")

set(entry "${MORVICK_STAGING}/${MORVICK_ENTRY}")
configure_file("${MORVICK_TEMPLATE}" "${entry}" @ONLY)
file(INSTALL "${entry}" DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications")
