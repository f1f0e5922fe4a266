find_package(GTest REQUIRED)
include(GoogleTest)

# morvant_test(name SOURCES ... LIBS ...): one GoogleTest program, its cases
# registered with CTest one by one.
function(morvant_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
endfunction()

# morvant_fuzz(name SOURCES ... LIBS ...): a libFuzzer target, built only in
# the clang build with MORVANT_FUZZ.
function(morvant_fuzz name)
  cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT MORVANT_FUZZ)
    return()
  endif()
  add_executable(${name} ${F_SOURCES})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  set_property(GLOBAL APPEND PROPERTY MORVANT_FUZZ_TARGETS ${name})
endfunction()

# morvant_module(target): the library of the module in the current folder,
# built from every .cpp in it.
function(morvant_module target)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${target} STATIC ${sources} ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()
