# `cmake --install BUILD --prefix PREFIX` lays the game out as Debian lays out
# a game, and the Debian package is made from it (cmake/Package.cmake):
#   PREFIX/games/brindlecog                the program
#   PREFIX/share/games/brindlecog/         its data: SysData/, Levels/
#   PREFIX/share/applications/brindlecog.desktop
#   PREFIX/share/icons/hicolor/256x256/apps/brindlecog.png
#   PREFIX/share/man/man6/brindlecog.6.gz
#   PREFIX/share/doc/brindlecog/           copyright, changelog.gz
# The program finds its data from its own folder by this layout
# (BRINDLECOG_INSTALL_PROGRAM_DIR and _DATA_DIR, set before src/ is read).
# The build folder's marker file, settings, highscores and screenshots stay
# behind: an installed game keeps the player's files in the player's folders.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS brindlecog RUNTIME DESTINATION "${BRINDLECOG_INSTALL_PROGRAM_DIR}")
install(DIRECTORY "${BRINDLECOG_GAME_DIR}/SysData" "${BRINDLECOG_GAME_DIR}/Levels"
        DESTINATION "${BRINDLECOG_INSTALL_DATA_DIR}" PATTERN Fonts EXCLUDE)
# The font files the game folder carries are copies of the system's DejaVu
# files (BRINDLECOG_FONT_SOURCE_DIR): an install links to those, as Debian
# wants, instead of keeping a second copy, and the package depends on the
# fonts. The links are relative, so they hold under any DESTDIR.
string(CONFIGURE [[
  set(fonts "@BRINDLECOG_INSTALL_DATA_DIR@/SysData/Fonts")
  file(GLOB faces RELATIVE "@BRINDLECOG_GAME_DIR@/SysData/Fonts" "@BRINDLECOG_GAME_DIR@/SysData/Fonts/*.ttf")
  file(MAKE_DIRECTORY "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${fonts}")
  foreach(face IN LISTS faces)
    file(RELATIVE_PATH target "${CMAKE_INSTALL_PREFIX}/${fonts}" "@BRINDLECOG_FONT_SOURCE_DIR@/${face}")
    set(link "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${fonts}/${face}")
    message(STATUS "Installing: ${link} -> ${target}")
    file(CREATE_LINK "${target}" "${link}" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${link}")
  endforeach()
]] link_fonts @ONLY)
install(CODE "${link_fonts}")
install(FILES "${PROJECT_SOURCE_DIR}/packaging/brindlecog.desktop" DESTINATION share/applications)
install(FILES "${BRINDLECOG_ICON}" DESTINATION share/icons/hicolor/256x256/apps)

# The manual page and the changelog, compressed as Debian wants them: the
# most that gzip can, and without a time stamp, so the same source gives the
# same package.
# The changelog is signed by the project's one address (packaging/maintainer),
# never by whoever builds.
set(packaging_dir "${CMAKE_BINARY_DIR}/packaging")
file(STRINGS "${PROJECT_SOURCE_DIR}/packaging/maintainer" BRINDLECOG_MAINTAINER LIMIT_COUNT 1)
if(NOT BRINDLECOG_MAINTAINER MATCHES "^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$")
  message(FATAL_ERROR "packaging/maintainer must hold one line \"Name <address>\", not \"${BRINDLECOG_MAINTAINER}\"")
endif()
configure_file("${PROJECT_SOURCE_DIR}/packaging/brindlecog.6.in" "${packaging_dir}/brindlecog.6" @ONLY)
configure_file("${PROJECT_SOURCE_DIR}/packaging/changelog.in" "${packaging_dir}/changelog" @ONLY)
set(compressed)
foreach(source "${packaging_dir}/brindlecog.6" "${packaging_dir}/changelog")
  get_filename_component(name "${source}" NAME)
  add_custom_command(OUTPUT "${packaging_dir}/${name}.gz"
                     COMMAND gzip -9n -c "${source}" > "${packaging_dir}/${name}.gz"
                     DEPENDS "${source}" VERBATIM)
  list(APPEND compressed "${packaging_dir}/${name}.gz")
endforeach()
add_custom_target(brindlecog_packaging_docs ALL DEPENDS ${compressed})
install(FILES "${packaging_dir}/brindlecog.6.gz" DESTINATION share/man/man6)
install(FILES "${PROJECT_SOURCE_DIR}/packaging/copyright" "${packaging_dir}/changelog.gz"
        DESTINATION share/doc/brindlecog)
