# Installing Dealmoor as a desktop program, under any prefix:
#
#   bin/dealmoor, bin/dealmoor-sim
#   share/dealmoor/                  pictures (1x and @2x), sounds, help/ pages
#   share/applications/              the desktop entry
#   share/metainfo/                  the software centre's description
#   share/icons/hicolor/<size>/apps/ the icon, drawn for every size, and scalable
#   share/man/man6/                  dealmoor(6), dealmoor-sim(6)
#
# The game finds share/dealmoor/ from the folder of its executable (ProgramDir in
# platform/Folders.cpp), so the two folder names below are fixed, not configurable.

# DEALMOOR_APP_ID, the desktop's name for the game, is set beside the windows
# that announce it (the top-level CMakeLists.txt).
set(DEALMOOR_RELEASE_DATE 2026-12-10)
set(DEALMOOR_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(DEALMOOR_STAGING_DIR ${CMAKE_BINARY_DIR}/packaging)

set(desktop_files)
install(TARGETS dealmoor-sim RUNTIME DESTINATION bin)
set(man_sources dealmoor-sim.6)

if(TARGET dealmoor)
  install(TARGETS dealmoor RUNTIME DESTINATION bin)
  list(APPEND man_sources dealmoor.6)

  # What the generator drew into the program folder, and the help pages beside it.
  # Only these kinds: the build folder also holds the test programs and whatever a
  # game started from it wrote there (strategy cards).
  install(DIRECTORY ${DEALMOOR_BIN_DIR}/ DESTINATION share/dealmoor
          FILES_MATCHING PATTERN "*.png" PATTERN "*.bmp" PATTERN "*.wav"
                         PATTERN "*.html" PATTERN "*.css")

  # The icon at every size the icon theme knows, drawn by the art generator.
  set(icon_dir ${DEALMOOR_STAGING_DIR}/icons)
  set(icon_stamp ${DEALMOOR_STAGING_DIR}/icons.stamp)
  add_custom_command(
    OUTPUT ${icon_stamp}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:dealmoor-artgen> --icons ${icon_dir} ${DEALMOOR_APP_ID}
    COMMAND ${CMAKE_COMMAND} -E touch ${icon_stamp}
    DEPENDS dealmoor-artgen
    COMMENT "Drawing the desktop icon"
    VERBATIM)
  install(DIRECTORY ${icon_dir}/hicolor DESTINATION share/icons)

  list(APPEND desktop_files ${icon_stamp})

  install(FILES ${DEALMOOR_PACKAGING_DIR}/${DEALMOOR_APP_ID}.desktop
          DESTINATION share/applications)
  configure_file(${DEALMOOR_PACKAGING_DIR}/${DEALMOOR_APP_ID}.metainfo.xml.in
                 ${DEALMOOR_STAGING_DIR}/${DEALMOOR_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${DEALMOOR_STAGING_DIR}/${DEALMOOR_APP_ID}.metainfo.xml
          DESTINATION share/metainfo)
endif()

# Manual pages, compressed as Debian keeps them.
find_program(DEALMOOR_GZIP gzip)
foreach(page ${man_sources})
  set(source ${DEALMOOR_PACKAGING_DIR}/${page})
  if(DEALMOOR_GZIP)
    set(packed ${DEALMOOR_STAGING_DIR}/${page}.gz)
    add_custom_command(
      OUTPUT ${packed}
      COMMAND ${DEALMOOR_GZIP} -9 -n -c ${source} > ${packed}
      DEPENDS ${source})
    install(FILES ${packed} DESTINATION share/man/man6)
    list(APPEND desktop_files ${packed})
  else()
    install(FILES ${source} DESTINATION share/man/man6)
  endif()
endforeach()

add_custom_target(dealmoor_desktop ALL DEPENDS ${desktop_files})
