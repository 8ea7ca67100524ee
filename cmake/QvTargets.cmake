# A library sees only its own folder's headers and, through what it links,
# those of the libraries below it: its include folder holds a link to its
# own source folder alone, so an include against the chain fails to compile.
#   qv_layer_includes(target folder-relative-to-src)
function(qv_layer_includes name dir)
  set(_root ${PROJECT_BINARY_DIR}/layers/${name})
  get_filename_component(_parent ${_root}/${dir} DIRECTORY)
  file(MAKE_DIRECTORY ${_parent})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${dir} ${_root}/${dir} SYMBOLIC)
  target_include_directories(${name} PUBLIC ${_root})
endfunction()

# Each subsystem folder is one library made of every source file in it, so
# adding a file needs no CMake edit.
#   qv_library(name DIR folder [DEPS libs...] [EXCLUDE regex] [EXTRA files...])
function(qv_library name)
  cmake_parse_arguments(QV "" "DIR;EXCLUDE" "DEPS;EXTRA" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS ${QV_DIR}/*.cpp)
  if(QV_EXCLUDE)
    list(FILTER _src EXCLUDE REGEX "${QV_EXCLUDE}")
  endif()
  list(APPEND _src ${QV_EXTRA})
  if(NOT _src)
    set(_src ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(${name} STATIC ${_src})
  qv_layer_includes(${name} ${QV_DIR})
  if(QV_DEPS)
    target_link_libraries(${name} PUBLIC ${QV_DEPS})
  endif()
endfunction()

# One test executable per test folder, linked to the libraries it tests.
function(qv_test name dir)
  file(GLOB _src CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT _src)
    return()
  endif()
  add_executable(${name} ${_src})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PRIVATE ${ARGN} qv_testsupport GTest::gtest GTest::gtest_main)
  # One variable only: a list here would be split into separate properties.
  # The windows' tests choose the offscreen platform themselves. The label is
  # the program's name, so "ctest -L" can pick the tests of some programs.
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
    PROPERTIES ENVIRONMENT "QV_BIN_DIR=${PROJECT_BINARY_DIR}/bin" LABELS ${name})
endfunction()
