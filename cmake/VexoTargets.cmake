# Shared compile settings and helpers for every Vexo target.

add_library(vexo_options INTERFACE)
target_compile_options(vexo_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wnon-virtual-dtor
  -Wcast-align -Woverloaded-virtual -Wnull-dereference
  -fstack-protector-strong)
target_compile_definitions(vexo_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_URL_CAST_FROM_STRING QT_STRICT_ITERATORS
  $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
target_link_options(vexo_options INTERFACE -pie -Wl,-z,relro,-z,now)
if(VEXO_SANITIZE)
  target_compile_options(vexo_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(vexo_options INTERFACE -fsanitize=address,undefined)
endif()

# vexo_add_library(NAME SOURCES... LINKS...)
# One static library per layer; its headers are included as "layer/Header.h".
function(vexo_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LINKS} PRIVATE vexo_options)
endfunction()

# vexo_add_test(NAME SOURCES... LINKS...)
# A QtTest executable registered with CTest; each test runs in its own
# temporary configuration folder (see tests/support/TestEnvironment.h).
function(vexo_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LINKS} vexo_testsupport Qt6::Test vexo_options)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1:abort_on_error=1;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
    TIMEOUT 600)
endfunction()

# vexo_add_layer_tests(LINKS...)
# Every tst_*.cpp of the calling folder becomes one test program, named after
# the file (tst_hiddenfile.cpp -> test_hiddenfile), linked to LINKS.
function(vexo_add_layer_tests)
  cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
  foreach(source ${sources})
    get_filename_component(stem ${source} NAME_WE)
    string(REGEX REPLACE "^tst_" "test_" name ${stem})
    vexo_add_test(${name} SOURCES ${source} LINKS ${ARG_LINKS})
  endforeach()
endfunction()
