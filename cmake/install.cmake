# Installing: `cmake --install BUILD --prefix P` puts the program with everything it reads beside it into
# P/lib/keyvane-games/, a launcher into P/bin/, and the desktop entry, icon and AppStream metainfo into
# P/share/. Players cannot write into an installed program's folder; the program then keeps its files in
# a folder of each player's own.

set(KV_APP_ID "org.keyvane.games")
set(KV_INSTALL_DIR "lib/keyvane-games")
string(TIMESTAMP KV_RELEASE_DATE "%Y-%m-%d" UTC)

install(TARGETS keyvane-games keyvane-files RUNTIME DESTINATION ${KV_INSTALL_DIR})
get_property(kv_data_files GLOBAL PROPERTY KV_DATA_FILES)
install(FILES ${kv_data_files} DESTINATION ${KV_INSTALL_DIR})

# The launcher finds the program relative to itself, so the installed tree may be moved.
set(KV_LAUNCHER_TARGET "../${KV_INSTALL_DIR}/keyvane-games")
configure_file(${CMAKE_SOURCE_DIR}/desktop/keyvane-games.sh.in ${CMAKE_BINARY_DIR}/desktop/keyvane-games @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/desktop/keyvane-games DESTINATION bin)

install(FILES ${CMAKE_SOURCE_DIR}/resources/pictures/app_icon.svg
        DESTINATION share/icons/hicolor/scalable/apps RENAME ${KV_APP_ID}.svg)

configure_file(${CMAKE_SOURCE_DIR}/desktop/keyvane-games.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/desktop/${KV_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/desktop/${KV_APP_ID}.metainfo.xml DESTINATION share/metainfo)

# The desktop entry names the launcher by its full path, which is known only when installing.
install(CODE "
  set(KV_APP_ID \"${KV_APP_ID}\")
  set(KV_LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/bin/keyvane-games\")
  configure_file(\"${CMAKE_SOURCE_DIR}/desktop/keyvane-games.desktop.in\"
                 \"${CMAKE_BINARY_DIR}/desktop/install/${KV_APP_ID}.desktop\" @ONLY)
  file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/share/applications\" TYPE FILE
       FILES \"${CMAKE_BINARY_DIR}/desktop/install/${KV_APP_ID}.desktop\")
")
