# `cmake --install BUILD --prefix PREFIX` lays the game out for a desktop:
#   PREFIX/share/brindlecog/       the game folder: program, SysData/, Levels/
#   PREFIX/bin/brindlecog          starts it
#   PREFIX/share/applications/     the menu entry
#   PREFIX/share/icons/hicolor/256x256/apps/brindlecog.png
# The build folder's marker file, settings, highscores and screenshots stay
# behind: an installed game keeps the player's files in the player's folders.
set(BRINDLECOG_INSTALL_DIR "share/brindlecog")

install(TARGETS brindlecog RUNTIME DESTINATION "${BRINDLECOG_INSTALL_DIR}")
install(DIRECTORY "${BRINDLECOG_GAME_DIR}/SysData" "${BRINDLECOG_GAME_DIR}/Levels"
        DESTINATION "${BRINDLECOG_INSTALL_DIR}")
install(PROGRAMS "${PROJECT_SOURCE_DIR}/packaging/brindlecog-launcher.sh" DESTINATION bin RENAME brindlecog)
install(FILES "${PROJECT_SOURCE_DIR}/packaging/brindlecog.desktop" DESTINATION share/applications)
install(FILES "${BRINDLECOG_ICON}" DESTINATION share/icons/hicolor/256x256/apps)
