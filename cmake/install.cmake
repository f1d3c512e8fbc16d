# Installing Lettoria 2 and building its packages.
#
# The program reads its pictures, word lists, sounds and cursive font from the
# folder of its executable, so the executable and the contents of data/ are
# installed together into one program folder. On Linux that folder is
# <prefix>/lib/lettoria2, with a small launcher in <prefix>/bin, the desktop
# entry, the AppStream metainfo and the icons in <prefix>/share. On Windows the
# program folder is <prefix>/bin, where Qt's deployment puts the Qt libraries.

include(GNUInstallDirs)

set(LETTORIA_APP_ID "io.github.lettoria2.Lettoria2")
set(LETTORIA_PACKAGING_DIR "${PROJECT_SOURCE_DIR}/packaging")

if(WIN32)
  set(LETTORIA_INSTALL_PROGRAMDIR_DEFAULT "${CMAKE_INSTALL_BINDIR}")
else()
  set(LETTORIA_INSTALL_PROGRAMDIR_DEFAULT "lib/lettoria2")
endif()
set(LETTORIA_INSTALL_PROGRAMDIR "${LETTORIA_INSTALL_PROGRAMDIR_DEFAULT}" CACHE STRING
  "Folder, under the prefix, that holds the executable and its data")

# On Windows the icon of the executable itself.
if(WIN32)
  target_sources(lettoria2 PRIVATE "${LETTORIA_PACKAGING_DIR}/windows/lettoria2.rc")
endif()

install(TARGETS lettoria2 RUNTIME DESTINATION "${LETTORIA_INSTALL_PROGRAMDIR}")
# The sound module, loaded from the executable's folder on the first sound,
# and the results module, loaded when answers are first kept or read.
install(TARGETS lettoria2_suoni lettoria2_risultati
  LIBRARY DESTINATION "${LETTORIA_INSTALL_PROGRAMDIR}"
  RUNTIME DESTINATION "${LETTORIA_INSTALL_PROGRAMDIR}")
install(DIRECTORY "${PROJECT_SOURCE_DIR}/data/" DESTINATION "${LETTORIA_INSTALL_PROGRAMDIR}")

if(WIN32)
  # Qt's libraries, plugins and translations beside the executable.
  # The modules are not linked, so the deployment is told of them: they
  # bring Qt Multimedia, and Qt SQL with its SQLite driver.
  if(QT_DEPLOY_SUPPORT)
    set(lettoria_deploy_script "${CMAKE_BINARY_DIR}/deploy_lettoria2.cmake")
    file(GENERATE OUTPUT "${lettoria_deploy_script}" CONTENT "
include(\"${QT_DEPLOY_SUPPORT}\")
qt_deploy_runtime_dependencies(
  EXECUTABLE \"\${QT_DEPLOY_BIN_DIR}/$<TARGET_FILE_NAME:lettoria2>\"
  ADDITIONAL_MODULES \"\${QT_DEPLOY_BIN_DIR}/$<TARGET_FILE_NAME:lettoria2_suoni>\" \"\${QT_DEPLOY_BIN_DIR}/$<TARGET_FILE_NAME:lettoria2_risultati>\"
  GENERATE_QT_CONF)
")
    install(SCRIPT "${lettoria_deploy_script}")
  endif()
elseif(UNIX AND NOT APPLE)
  # The launcher finds the program folder relative to itself.
  file(RELATIVE_PATH LETTORIA_BIN_TO_PROGRAM
    "/prefix/${CMAKE_INSTALL_BINDIR}" "/prefix/${LETTORIA_INSTALL_PROGRAMDIR}")
  configure_file("${LETTORIA_PACKAGING_DIR}/lettoria2.in" "${CMAKE_BINARY_DIR}/packaging/lettoria2" @ONLY)
  install(PROGRAMS "${CMAKE_BINARY_DIR}/packaging/lettoria2" DESTINATION "${CMAKE_INSTALL_BINDIR}")

  install(FILES "${LETTORIA_PACKAGING_DIR}/${LETTORIA_APP_ID}.desktop"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
  install(FILES "${LETTORIA_PACKAGING_DIR}/${LETTORIA_APP_ID}.metainfo.xml"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
  install(DIRECTORY "${LETTORIA_PACKAGING_DIR}/icons/hicolor"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/icons")
  # Who holds what, under which licence, where Debian looks for it.
  install(FILES "${LETTORIA_PACKAGING_DIR}/copyright" DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/lettoria2")
  # The changelog and the manual page, compressed as Debian keeps them: at
  # the highest level, with no name or time stamp inside.
  find_program(LETTORIA_GZIP gzip)
  if(LETTORIA_GZIP)
    foreach(testo changelog lettoria2.1)
      set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${LETTORIA_PACKAGING_DIR}/${testo}")
      execute_process(COMMAND "${LETTORIA_GZIP}" -9nc "${LETTORIA_PACKAGING_DIR}/${testo}"
        OUTPUT_FILE "${CMAKE_BINARY_DIR}/packaging/${testo}.gz" COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
    install(FILES "${CMAKE_BINARY_DIR}/packaging/changelog.gz" DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/lettoria2")
    install(FILES "${CMAKE_BINARY_DIR}/packaging/lettoria2.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
  else()
    install(FILES "${LETTORIA_PACKAGING_DIR}/lettoria2.1" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
  endif()
endif()

# Packages: `cpack` in the build folder (a .deb on Linux, a .zip on Windows).
set(CPACK_PACKAGE_NAME "lettoria2")
set(CPACK_PACKAGE_VENDOR "Lettoria 2")
set(CPACK_PACKAGE_CONTACT "Lettoria 2 <lettoria2@invalid>")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "words and pictures for children learning to read Italian")
set(CPACK_PACKAGE_DESCRIPTION
"Lettoria 2 pairs written Italian words with pictures: one name and two to
four pictures to choose from, several names for one picture, names dragged
under their pictures. It also has picture viewers, a picture chooser and two
picture puzzles, three type styles (capitals, small letters and school
cursive), smiling and frowning faces, sounds and counters. A teacher picks one
of 34 syllable-group word lists or builds a new list from the pictures.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Lettoria2")
set(CPACK_STRIP_FILES ON)
if(WIN32)
  set(CPACK_GENERATOR "ZIP")
else()
  set(CPACK_GENERATOR "DEB")
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The Qt texts of the message boxes in Italian, and the faces the program's
# fonts stand in for (Arial, Times New Roman, Comic Sans MS).
set(LETTORIA_DEB_RUNTIME "qt6-translations-l10n, fonts-liberation2, fonts-comic-neue")
# The teacher's results draw their charts with Qt Charts, in the results module
# the program loads on demand: the executable's own links never name it.
string(APPEND LETTORIA_DEB_RUNTIME ", libqt6charts6 (>= 6.4)")
# Qt SQL's SQLite driver is a plugin the results module loads by name: no
# link shows it.
string(APPEND LETTORIA_DEB_RUNTIME ", libqt6sql6-sqlite")
if(LETTORIA_SINTESI)
  # The synthetic voice's Italian voice is in eSpeak NG's data: the library
  # (found from the sound module's links) cannot speak without it.
  string(APPEND LETTORIA_DEB_RUNTIME ", espeak-ng-data")
endif()
find_program(LETTORIA_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(LETTORIA_DPKG_SHLIBDEPS)
  # The library packages come from the links of the executable and of the
  # modules, asked of dpkg-shlibdeps when cpack runs (cmake/cpackdeb.cmake).
  # Not through CPack's own SHLIBDEPS: finding the module under /usr/lib, it
  # would add maintainer scripts that call ldconfig, for a module that lies in
  # the program's folder, where no library is looked for.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${LETTORIA_DEB_RUNTIME}")
  set(CPACK_LETTORIA_DPKG_SHLIBDEPS "${LETTORIA_DPKG_SHLIBDEPS}")
  file(GENERATE OUTPUT "${CMAKE_BINARY_DIR}/cpackdeb.cmake" INPUT "${CMAKE_CURRENT_LIST_DIR}/cpackdeb.cmake.in")
  set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_BINARY_DIR}/cpackdeb.cmake")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6multimedia6 (>= 6.4), libqt6sql6 (>= 6.4), libc6, libstdc++6, ${LETTORIA_DEB_RUNTIME}")
  if(LETTORIA_SINTESI)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libespeak-ng1")
  endif()
endif()
# The answer sounds play through GStreamer (its app source, converters and the
# PulseAudio sink); Wayland desktops run the program natively with qt6-wayland,
# through XWayland without it.
# Qt SQL's PostgreSQL driver: only a school that keeps its results on its own
# server needs it, and the program says so when it is missing.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, qt6-wayland, libqt6sql6-psql")

include(CPack)
