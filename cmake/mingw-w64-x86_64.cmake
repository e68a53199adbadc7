# Cross-building for 64-bit Windows with MinGW-w64's posix-thread compilers
# (the game uses std::thread and std::mutex, which the win32-thread ones lack).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(BRINDLECOG_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${BRINDLECOG_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BRINDLECOG_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${BRINDLECOG_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${BRINDLECOG_MINGW_TRIPLE}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${BRINDLECOG_MINGW_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "")

# Libraries come from the compiler's own sysroot and from the dependency
# folders the build was given (BRINDLECOG_WINDOWS_DEPS, a list of prefixes,
# as scripts/windows-deps prints them), or else every finished one in the cache.
if(NOT BRINDLECOG_WINDOWS_DEPS)
  if(DEFINED ENV{BRINDLECOG_DEPS_CACHE})
    set(_deps_cache "$ENV{BRINDLECOG_DEPS_CACHE}")
  else()
    set(_deps_cache "$ENV{HOME}/.cache/brindlecog-deps")
  endif()
  # Only entries that scripts/windows-deps finished and vouched for.
  file(GLOB _deps_built "${_deps_cache}/${BRINDLECOG_MINGW_TRIPLE}/[a-z]*/.built")
  set(BRINDLECOG_WINDOWS_DEPS "")
  foreach(_built IN LISTS _deps_built)
    get_filename_component(_entry "${_built}" DIRECTORY)
    list(APPEND BRINDLECOG_WINDOWS_DEPS "${_entry}")
  endforeach()
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${BRINDLECOG_MINGW_TRIPLE} ${BRINDLECOG_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# A player's Windows has nothing installed: the C and C++ runtimes and
# winpthread go into the executable.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
