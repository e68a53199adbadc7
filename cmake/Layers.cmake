# One static library per layer, built from every .cpp in its folders, so a new
# file needs no edit here. Layers name the layers they stand on.
function(brindlecog_layer name)
  cmake_parse_arguments(L "" "" "DIRS;DEPS;PRIVATE_DEPS" ${ARGN})
  set(sources)
  foreach(dir IN LISTS L_DIRS)
    file(GLOB found CONFIGURE_DEPENDS "${dir}/*.cpp")
    list(APPEND sources ${found})
  endforeach()
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${name} PUBLIC ${L_DEPS} PRIVATE ${L_PRIVATE_DEPS} brindlecog_warnings)
  else()
    # A layer whose code has not been written yet still links.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${name} INTERFACE ${L_DEPS})
  endif()
endfunction()

# One GoogleTest executable per test folder, every .cpp in it.
function(brindlecog_test_folder name)
  cmake_parse_arguments(T "" "" "DIRS;DEPS;EXCLUDE;SKIP" ${ARGN})
  set(sources)
  foreach(dir IN LISTS T_DIRS)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp")
    list(APPEND sources ${found})
  endforeach()
  # Tests of what only some systems have: files or folders, relative to tests/.
  foreach(left_out IN LISTS T_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "^${CMAKE_CURRENT_SOURCE_DIR}/${left_out}")
  endforeach()
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
  target_link_libraries(${name} PRIVATE ${T_DEPS} GTest::gtest GTest::gtest_main brindlecog_warnings)
  target_compile_definitions(${name} PRIVATE BRINDLECOG_GAME_DIR="${BRINDLECOG_GAME_DIR}"
                                             BRINDLECOG_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  # A home of their own, so a test that plays an installed game never
  # touches the settings of whoever runs the tests.
  set(test_home "${CMAKE_BINARY_DIR}/test-home")
  if(CMAKE_CROSSCOMPILING)
    # Each start of the emulator costs seconds: one test per program, which
    # runs all of the program's tests.
    # SKIP names single tests of what this system lacks.
    set(filter)
    if(T_SKIP)
      list(JOIN T_SKIP ":" skipped)
      set(filter "--gtest_filter=-${skipped}")
    endif()
    add_test(NAME ${name} COMMAND ${name} ${filter})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "SDL_AUDIODRIVER=dummy;SDL_VIDEODRIVER=dummy")
    return()
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT
                       "SDL_AUDIODRIVER=dummy;SDL_VIDEODRIVER=dummy;HOME=${test_home};XDG_CONFIG_HOME=${test_home}/.config")
endfunction()
