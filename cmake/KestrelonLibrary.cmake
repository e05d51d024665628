# Helpers shared by the folders: a core library from the sources of one folder, and a
# GoogleTest suite from the sources of one test folder.

# kestrelon_library(NAME DIR DEPS...): a static library of every .cpp below DIR.
function(kestrelon_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    # A folder whose code is still to come: headers only.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# kestrelon_test_settings(TARGET): what every GoogleTest target compiles with, the same for all
# of them so that they can share one precompiled header.
# Test code is compiled without optimisation and with line tables only: it runs in moments,
# and optimising thousands of expanded assertions is most of a suite's compile time.
function(kestrelon_test_settings target)
  target_compile_options(${target} PRIVATE -O0 -g1)
  target_link_libraries(${target} PRIVATE GTest::gtest GTest::gmock)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/src)
  target_compile_definitions(${target} PRIVATE
    KESTRELON_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    KESTRELON_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
endfunction()

# The header every suite precompiles once: GoogleTest and GoogleMock take most of a test file's
# compile time, the engine's value and host headers most of the rest.
function(kestrelon_test_header)
  if(TARGET kestrelon_test_pch)
    return()
  endif()
  add_library(kestrelon_test_pch OBJECT ${PROJECT_SOURCE_DIR}/tests/support/PrecompiledTestHeader.cpp)
  kestrelon_test_settings(kestrelon_test_pch)
  target_precompile_headers(kestrelon_test_pch PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/PrecompiledTestHeader.h)
endfunction()

# kestrelon_test_suite(NAME DIR DEPS...): one GoogleTest executable of every .cpp in DIR.
function(kestrelon_test_suite name dir)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  kestrelon_test_header()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest_main)
  kestrelon_test_settings(${name})
  target_precompile_headers(${name} REUSE_FROM kestrelon_test_pch)
  set_property(GLOBAL APPEND PROPERTY KESTRELON_CHECK_TARGETS ${name})
  if(KESTRELON_SANITIZE)
    # One process per suite: a sanitized process takes long to start, and a failure there is
    # read in the suite's own output.
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES LABELS core)
  else()
    # Parameterised cases are named by their index: printed case values may hold raw bytes.
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES PROPERTIES LABELS core)
  endif()
endfunction()
