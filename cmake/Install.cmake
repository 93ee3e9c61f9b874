# What `cmake --install` lays out and what `cpack -G DEB` packs:
#   bin/torvel-arena
#   share/torvel-arena/{Personagens,Cenarios,Posicoes,Sons,Musicas}/   the data the build made
#   share/applications/, share/metainfo/, share/icons/hicolor/NxN/apps/
# The game finds its data in ../share/torvel-arena from its own folder
# (src/platform/game_folders.h).
include(GNUInstallDirs)

set(TORVEL_APP_ID io.github.torvelarena.TorvelArena)

install(TARGETS torvel-arena RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Exactly the files the generator makes, not whatever else lies in the run folder.
foreach(file IN LISTS RUN_DATA_FILES)
  file(RELATIVE_PATH relative ${RUN_DIR} ${file})
  get_filename_component(folder ${relative} DIRECTORY)
  install(FILES ${file} DESTINATION ${CMAKE_INSTALL_DATADIR}/torvel-arena/${folder})
endforeach()
install(FILES packaging/${TORVEL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${TORVEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS APP_ICON_SIZES)
  install(FILES ${GEN_DIR}/icons/${size}x${size}/torvel-arena.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

set(CPACK_PACKAGE_NAME torvel-arena)
set(CPACK_PACKAGE_VENDOR "The TORVEL ARENA developers")
set(CPACK_PACKAGE_CONTACT "TORVEL ARENA developers <maintainers@torvelarena.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "one-on-one 3D fighting game")
set(CPACK_PACKAGE_DESCRIPTION
    "Two jointed fighters fight on 3D arenas seen from the side, driven by players on the \
keyboard or joysticks, or by the computer at five levels; replays and online play.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The debugging information stays in the build; the package carries the bare program.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The run-time libraries from what the executable links (dpkg-shlibdeps); without that
# tool, the packages of Debian 12 that hold them.
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libc6, libstdc++6, libgcc-s1, libsdl2-2.0-0, libsdl2-mixer-2.0-0, libjpeg62-turbo, \
libglu1-mesa | libglu1, libopengl0, libenet7, libpng16-16, libvorbisfile3")
endif()
include(CPack)
