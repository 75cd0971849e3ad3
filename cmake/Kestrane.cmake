# Helpers shared by every folder's CMakeLists.txt.
#
# A folder under src/ is one subsystem and one static library named after the
# folder. Its sources are picked up by glob, so adding a class is adding its
# .h/.cpp pair; re-run cmake (or let CONFIGURE_DEPENDS do it) after adding one.

# Warnings are errors only where the project's own scripts and CI ask for it
# (KESTRANE_WERROR=ON): a packager's compiler may warn where ours does not,
# and that must not stop them from getting a program.
option(KESTRANE_WERROR "Treat compiler warnings as errors" OFF)
set(KESTRANE_WARNINGS -Wall -Wextra -Wno-unused-parameter)
if(KESTRANE_WERROR)
  list(APPEND KESTRANE_WARNINGS -Werror)
endif()
# GCC 12's optimiser reports overlapping copies inside std::string that cannot
# happen ("a" + std::to_string(n) is enough, a known GCC 12 false positive); only
# optimised builds see them.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  list(APPEND KESTRANE_WARNINGS -Wno-restrict)
endif()

function(kestrane_warnings target)
  target_compile_options(${target} PRIVATE ${KESTRANE_WARNINGS})
endfunction()

# kestrane_library(<name> [QT] [DEPS <targets>...])
# QT turns on moc/uic for the folder; libraries without it must not see Qt.
function(kestrane_library name)
  cmake_parse_arguments(ARG "QT" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  if(NOT sources)
    # A subsystem with no code yet is still a target others can link.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    if(ARG_DEPS)
      target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    endif()
    return()
  endif()
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${sources} ${headers})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  if(ARG_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON AUTOUIC ON AUTORCC ON)
  endif()
  if(ARG_DEPS)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  endif()
  kestrane_warnings(${name})
endfunction()

# kestrane_tests(<folder> [QT] LIBS <targets>...)
# Every tests/<folder>/*_test.cpp becomes its own executable and CTest test,
# so one unfinished test file never stops the others from building.
# Plain tests link GoogleTest's own main; QT tests link the support main,
# which starts a QApplication on the offscreen platform.
function(kestrane_tests folder)
  cmake_parse_arguments(ARG "QT" "" "LIBS" ${ARGN})
  set(dir ${PROJECT_SOURCE_DIR}/tests/${folder})
  file(GLOB tests CONFIGURE_DEPENDS ${dir}/*_test.cpp)
  file(GLOB helpers CONFIGURE_DEPENDS ${dir}/*_support.cpp
                                       ${dir}/*_support.h)
  foreach(test ${tests})
    get_filename_component(base ${test} NAME_WE)
    set(target ${folder}_${base})
    add_executable(${target} ${test} ${helpers})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS})
    # The real radio images' folder when KESTRANE_SAMPLES_DIR is not set at
    # run time (tests/support/Samples.h).
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(${target} PRIVATE
      KESTRANE_SAMPLES_DIR="${PROJECT_SOURCE_DIR}/../shared/samples")
    if(ARG_QT)
      set_target_properties(${target} PROPERTIES AUTOMOC ON)
      target_link_libraries(${target} PRIVATE test_support_qt)
    else()
      target_link_libraries(${target} PRIVATE GTest::gtest_main GTest::gmock)
    endif()
    kestrane_warnings(${target})
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES TIMEOUT 300
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endforeach()
endfunction()
