# The browser build (Emscripten). Two programs come from the same code:
#   brindlecog       in the game folder (build/web/node/): runs under Node with
#                    the host's files, for replays and the automatic player;
#   brindlecog-page  in the site folder (build/web/site/): the page, with the
#                    game's files in a deflated data package and the
#                    player's files in the browser's storage.
set(BRINDLECOG_SITE_DIR "${CMAKE_BINARY_DIR}/site" CACHE PATH "Where the static files of the page are assembled")
set(web_dir "${PROJECT_SOURCE_DIR}/src/platform/system/web")
# SDL's audio asks for these JavaScript helpers, which the linker would
# otherwise leave out.
set(web_common_links -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=64MB -sTOTAL_STACK=1MB
    "-sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${PROJECT_SOURCE_DIR}/src/platform/system/web/sdl_library_funcs.json")

# Under Node the program sees the host's files as they are, so a recording or
# a level file is named as on the desktop.
target_link_options(brindlecog PRIVATE ${web_common_links} -sNODERAWFS=1 -sENVIRONMENT=node -sEXIT_RUNTIME=1)
set_target_properties(brindlecog PROPERTIES SUFFIX ".js")

# The page's loop waits by handing control back to the browser (ASYNCIFY):
# the game's own message loop, its waits and its end stay as on the desktop.
# "Play again" runs main again in the same page (app.js).
add_executable(brindlecog-page "${PROJECT_SOURCE_DIR}/src/main.cpp" "${build_info}")
add_dependencies(brindlecog-page brindlecog_build_info)
target_link_libraries(brindlecog-page PRIVATE brindlecog_runs brindlecog_warnings)
# Linked at -O3, as compiled: -Oz at the link made the program only 88 KB
# (3 %) smaller, and that program trapped in play ("memory access out of
# bounds") where the -O3 one plays.
target_link_options(brindlecog-page PRIVATE ${web_common_links} -sENVIRONMENT=web -sASYNCIFY=1
                    -sASYNCIFY_STACK_SIZE=65536 -sFORCE_FILESYSTEM=1 -lidbfs.js
                    -sEXPORTED_RUNTIME_METHODS=callMain
                    "--pre-js=${web_dir}/storage.js" -sMODULARIZE=0 -sEXIT_RUNTIME=0)
set_target_properties(brindlecog-page PROPERTIES OUTPUT_NAME brindlecog SUFFIX ".js"
                      RUNTIME_OUTPUT_DIRECTORY "${BRINDLECOG_SITE_DIR}" LINK_DEPENDS "${web_dir}/storage.js")
# Names an older build left in the site, which the service worker would keep.
file(REMOVE "${BRINDLECOG_SITE_DIR}/brindlecog.data" "${BRINDLECOG_SITE_DIR}/brindlecog.png"
     "${BRINDLECOG_SITE_DIR}/brindlecog-data.js")

# The data package: the game folder's pictures, fonts and levels, mounted at
# /game, deflated whole (pack_data.py). The portable marker stays out: in a
# page the player's files belong in the browser's storage, not in the
# package. The sounds come beside it (pack_sounds.py: the music as Vorbis,
# everything also lossless), and the page puts them into the game's folder
# before the game starts.
find_program(BRINDLECOG_FILE_PACKAGER file_packager PATHS /usr/share/emscripten/tools "$ENV{EMSDK}/upstream/emscripten/tools"
             REQUIRED)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(web_data "${BRINDLECOG_SITE_DIR}/brindlecog.data.z")
add_custom_command(
  OUTPUT "${web_data}" "${BRINDLECOG_SITE_DIR}/brindlecog.data.json"
  COMMAND "${Python3_EXECUTABLE}" "${web_dir}/pack_data.py" "${BRINDLECOG_FILE_PACKAGER}" "${BRINDLECOG_GAME_DIR}"
          "${BRINDLECOG_SITE_DIR}"
  DEPENDS brindlecog_assets brindlecog_levels "${CMAKE_BINARY_DIR}/tools/assetgen/assets.stamp" "${web_dir}/pack_data.py"
  COMMENT "Packing the game's files for the page"
  VERBATIM)
set(web_sounds "${BRINDLECOG_SITE_DIR}/sounds/sounds.json")
add_custom_command(
  OUTPUT "${web_sounds}"
  COMMAND "${CMAKE_COMMAND}" -E rm -rf "${BRINDLECOG_SITE_DIR}/sounds"
  COMMAND "${Python3_EXECUTABLE}" "${web_dir}/pack_sounds.py" "${BRINDLECOG_GAME_DIR}/SysData"
          "${BRINDLECOG_SITE_DIR}/sounds" "DatSnd*.dat"
  DEPENDS brindlecog_assets "${CMAKE_BINARY_DIR}/tools/assetgen/assets.stamp" "${web_dir}/pack_sounds.py"
  COMMENT "Packing the game's sounds for the page"
  VERBATIM)

# The game's licence and the notices of what the page compiles in (SDL2,
# SDL2_ttf, FreeType, zlib, Emscripten's libraries, the fonts), which the
# page's "Licences" link opens.
add_custom_command(
  OUTPUT "${BRINDLECOG_SITE_DIR}/THIRD-PARTY-NOTICES.txt" "${BRINDLECOG_SITE_DIR}/LICENSE.txt"
  COMMAND "${PROJECT_SOURCE_DIR}/scripts/third-party-notices" web "${BRINDLECOG_SITE_DIR}/THIRD-PARTY-NOTICES.txt"
  COMMAND "${CMAKE_COMMAND}" -E copy "${PROJECT_SOURCE_DIR}/LICENSE" "${BRINDLECOG_SITE_DIR}/LICENSE.txt"
  DEPENDS "${PROJECT_SOURCE_DIR}/scripts/third-party-notices" "${PROJECT_SOURCE_DIR}/LICENSE"
  COMMENT "Writing the page's licence notices"
  VERBATIM)
add_custom_target(brindlecog_web_notices ALL
                  DEPENDS "${BRINDLECOG_SITE_DIR}/THIRD-PARTY-NOTICES.txt" "${BRINDLECOG_SITE_DIR}/LICENSE.txt")

# The icons of the page and of the installed app, drawn by the asset
# generator: plain ones, maskable ones that fill the square (home screens
# cut their own shape), and Apple's touch icon, which iOS rounds itself.
set(web_icons)
function(brindlecog_web_icon name)  # then the generator's size and shape arguments
  set(file "${BRINDLECOG_SITE_DIR}/icons/${name}")
  add_custom_command(
    OUTPUT "${file}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${BRINDLECOG_SITE_DIR}/icons"
    COMMAND brindlecog-assetgen --icon "${file}" ${ARGN}
    DEPENDS brindlecog-assetgen
    VERBATIM)
  set(web_icons ${web_icons} "${file}" PARENT_SCOPE)
endfunction()
brindlecog_web_icon(icon-192.png 192)
brindlecog_web_icon(icon-512.png 512)
brindlecog_web_icon(maskable-192.png 192 --maskable)
brindlecog_web_icon(maskable-512.png 512 --maskable)
brindlecog_web_icon(apple-touch-icon.png 180 --maskable)

set(web_page_files)
foreach(file index.html page.css page.js fullscreen.js touch.js touch.css load.js app.js
             brindlecog.webmanifest)
  configure_file("${web_dir}/page/${file}" "${BRINDLECOG_SITE_DIR}/${file}" COPYONLY)
  list(APPEND web_page_files "${BRINDLECOG_SITE_DIR}/${file}")
endforeach()

# The service worker comes last: it lists every file of the site with its
# hash, so any change makes a new release for the browsers that keep it.
set(web_worker "${BRINDLECOG_SITE_DIR}/sw.js")
add_custom_command(
  OUTPUT "${web_worker}"
  COMMAND "${Python3_EXECUTABLE}" "${web_dir}/stamp_site.py" "${BRINDLECOG_SITE_DIR}" "${web_dir}/page/sw.js"
  DEPENDS brindlecog-page "${web_data}" "${web_sounds}" ${web_icons} ${web_page_files}
          "${BRINDLECOG_SITE_DIR}/THIRD-PARTY-NOTICES.txt" "${BRINDLECOG_SITE_DIR}/LICENSE.txt"
          "${web_dir}/page/sw.js" "${web_dir}/stamp_site.py"
  COMMENT "Listing the page's release for its service worker"
  VERBATIM)
add_custom_target(brindlecog_web_data ALL DEPENDS "${web_data}" "${web_sounds}" ${web_icons})
add_dependencies(brindlecog-page brindlecog_web_data)
add_custom_target(brindlecog_site ALL DEPENDS "${web_worker}")

# A page of its own for the browser test: the sound device opened, closed and
# opened again many times (tests/web/audio_reopen.cpp).
add_executable(brindlecog-audio-reopen "${PROJECT_SOURCE_DIR}/tests/web/audio_reopen.cpp")
target_link_libraries(brindlecog-audio-reopen PRIVATE SDL2::SDL2 brindlecog_warnings)
target_link_options(brindlecog-audio-reopen PRIVATE ${web_common_links} -sENVIRONMENT=web -sASYNCIFY=1)
set_target_properties(brindlecog-audio-reopen PROPERTIES OUTPUT_NAME audio_reopen SUFFIX ".js"
                      RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/audio-reopen")
configure_file("${PROJECT_SOURCE_DIR}/tests/web/audio_reopen.html" "${CMAKE_BINARY_DIR}/audio-reopen/audio_reopen.html" COPYONLY)
