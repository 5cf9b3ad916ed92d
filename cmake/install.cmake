# Installing: `cmake --install BUILD --prefix P` puts the program with everything it reads beside it into
# P/lib/keyvane-games/, the launchers of the program and its companion tool into P/bin/, the manual pages
# into P/share/man/, and the desktop entry, icon and AppStream metainfo into P/share/. Players cannot
# write into an installed program's folder; the program then keeps its files in a folder of each player's
# own.
#
# Two settings, relative to the prefix, place the parts as a distribution wants them (debian/rules uses
# both): KV_LAUNCHER_DIR, the folder of the launchers ("games" for /usr/games), and KV_DATA_DIR, a
# folder for the vocabularies, sounds and information document, which architectures can share; the
# program folder then holds links to them, so the program still finds everything beside itself.

set(KV_APP_ID "org.keyvane.games")
set(KV_INSTALL_DIR "lib/keyvane-games")
set(KV_LAUNCHER_DIR "bin" CACHE STRING "Folder of the launchers, relative to the install prefix")
set(KV_DATA_DIR "" CACHE STRING
    "Folder of the program's data relative to the install prefix; empty: the program folder itself")
string(TIMESTAMP KV_RELEASE_DATE "%Y-%m-%d" UTC)

# kv_relative_link(NAME FROM TO): a symbolic link NAME in the build tree pointing from the installed
# folder FROM to the installed file TO (both relative to the prefix). Installed as it is, the link keeps
# pointing within the tree wherever the prefix lies.
function(kv_relative_link name from to)
  file(RELATIVE_PATH target "/prefix/${from}" "/prefix/${to}")
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-links/${from})
  file(CREATE_LINK "${target}" "${CMAKE_BINARY_DIR}/install-links/${from}/${name}" SYMBOLIC)
endfunction()

install(TARGETS keyvane-games keyvane-files RUNTIME DESTINATION ${KV_INSTALL_DIR})
get_property(kv_data_files GLOBAL PROPERTY KV_DATA_FILES)
if(KV_DATA_DIR)
  install(FILES ${kv_data_files} DESTINATION ${KV_DATA_DIR})
  foreach(file ${kv_data_files})
    get_filename_component(name "${file}" NAME)
    kv_relative_link("${name}" ${KV_INSTALL_DIR} "${KV_DATA_DIR}/${name}")
    list(APPEND kv_data_links "${CMAKE_BINARY_DIR}/install-links/${KV_INSTALL_DIR}/${name}")
  endforeach()
  install(FILES ${kv_data_links} DESTINATION ${KV_INSTALL_DIR})
else()
  install(FILES ${kv_data_files} DESTINATION ${KV_INSTALL_DIR})
endif()

# The launcher finds the program relative to itself, so the installed tree may be moved. The program
# needs the launcher, which starts it from its own folder; the companion tool works from anywhere and
# gets a link.
file(RELATIVE_PATH KV_LAUNCHER_TARGET "/prefix/${KV_LAUNCHER_DIR}" "/prefix/${KV_INSTALL_DIR}/keyvane-games")
configure_file(${CMAKE_SOURCE_DIR}/desktop/keyvane-games.sh.in ${CMAKE_BINARY_DIR}/desktop/keyvane-games @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/desktop/keyvane-games DESTINATION ${KV_LAUNCHER_DIR})
kv_relative_link(keyvane-files ${KV_LAUNCHER_DIR} "${KV_INSTALL_DIR}/keyvane-files")
# The teacher's class report from the desktop: a launcher that runs the companion tool.
file(RELATIVE_PATH KV_FILES_TARGET "/prefix/${KV_LAUNCHER_DIR}" "/prefix/${KV_INSTALL_DIR}/keyvane-files")
configure_file(${CMAKE_SOURCE_DIR}/desktop/keyvane-class-report.sh.in ${CMAKE_BINARY_DIR}/desktop/keyvane-class-report
               @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/desktop/keyvane-class-report DESTINATION ${KV_LAUNCHER_DIR})
install(FILES ${CMAKE_BINARY_DIR}/install-links/${KV_LAUNCHER_DIR}/keyvane-files DESTINATION ${KV_LAUNCHER_DIR})

# The settings for every user, with the score folder of a class commented out: /etc/xdg/keyvane-games/ for
# a prefix of /usr (a configuration file of the Debian package), PREFIX/etc/xdg/keyvane-games/ otherwise.
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(kv_config_dir /etc/xdg/keyvane-games)
else()
  set(kv_config_dir etc/xdg/keyvane-games)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/desktop/keyvane-games.conf DESTINATION ${kv_config_dir})

install(FILES ${CMAKE_SOURCE_DIR}/docs/man/keyvane-games.6 ${CMAKE_SOURCE_DIR}/docs/man/keyvane-files.6
              ${CMAKE_SOURCE_DIR}/docs/man/keyvane-class-report.6
        DESTINATION share/man/man6)

# The manual pages in German, French and Spanish, written from docs/man/po/LL.po by po4a-translate into
# share/man/LL/man6. Without po4a the build says so and installs the English pages only.
find_program(KV_PO4A_TRANSLATE po4a-translate)
if(KV_PO4A_TRANSLATE)
  set(kv_man_pages)
  foreach(lang de fr es)
    foreach(page keyvane-games keyvane-files)
      set(translated ${CMAKE_BINARY_DIR}/man/${lang}/${page}.6)
      add_custom_command(OUTPUT ${translated}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man/${lang}
        COMMAND ${KV_PO4A_TRANSLATE} -f man -m ${CMAKE_SOURCE_DIR}/docs/man/${page}.6
                -p ${CMAKE_SOURCE_DIR}/docs/man/po/${lang}.po -l ${translated} -M UTF-8 -L UTF-8 -k 80
        DEPENDS ${CMAKE_SOURCE_DIR}/docs/man/${page}.6 ${CMAKE_SOURCE_DIR}/docs/man/po/${lang}.po
        COMMENT "Translating the manual page ${page}(6) into ${lang}"
        VERBATIM)
      list(APPEND kv_man_pages ${translated})
      install(FILES ${translated} DESTINATION share/man/${lang}/man6)
    endforeach()
  endforeach()
  add_custom_target(kv_man_pages ALL DEPENDS ${kv_man_pages})
else()
  message(WARNING "po4a-translate was not found: the manual pages are installed in English only")
endif()

install(FILES ${CMAKE_SOURCE_DIR}/resources/pictures/app_icon.svg
        DESTINATION share/icons/hicolor/scalable/apps RENAME ${KV_APP_ID}.svg)

configure_file(${CMAKE_SOURCE_DIR}/desktop/keyvane-games.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/desktop/${KV_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/desktop/${KV_APP_ID}.metainfo.xml DESTINATION share/metainfo)

# The desktop entry names the launcher by its full path, which is known only when installing.
install(CODE "
  set(KV_APP_ID \"${KV_APP_ID}\")
  set(KV_LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/${KV_LAUNCHER_DIR}/keyvane-games\")
  configure_file(\"${CMAKE_SOURCE_DIR}/desktop/keyvane-games.desktop.in\"
                 \"${CMAKE_BINARY_DIR}/desktop/install/${KV_APP_ID}.desktop\" @ONLY)
  set(KV_REPORT_LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/${KV_LAUNCHER_DIR}/keyvane-class-report\")
  configure_file(\"${CMAKE_SOURCE_DIR}/desktop/keyvane-class-report.desktop.in\"
                 \"${CMAKE_BINARY_DIR}/desktop/install/${KV_APP_ID}.class-report.desktop\" @ONLY)
  file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/share/applications\" TYPE FILE
       FILES \"${CMAKE_BINARY_DIR}/desktop/install/${KV_APP_ID}.desktop\"
             \"${CMAKE_BINARY_DIR}/desktop/install/${KV_APP_ID}.class-report.desktop\")
")
