# Compile settings shared by every target of the project.

add_compile_options(-Wall -Wextra -Werror)

# The tool's log lines never carry a source location, in any build type; the
# debug flag of the tool follows the build type.
add_compile_definitions(QT_NO_MESSAGELOGCONTEXT $<$<CONFIG:Debug>:DEBUG>)

if(VELMORA_SANITIZE)
  string(REPLACE ";" "," _velmora_san "${VELMORA_SANITIZE}")
  add_compile_options(-fsanitize=${_velmora_san} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${_velmora_san})
endif()

if(VELMORA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "The fuzz targets need clang and libFuzzer: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  # Coverage feedback from all our code, not only from the fuzz targets.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# Environment for programs of ours that run during the build and the tests.
# Qt makes a runtime directory in the system's temporary directory when
# XDG_RUNTIME_DIR is unset; theirs stays in the build tree.
set(VELMORA_RUNTIME_DIR ${CMAKE_BINARY_DIR}/runtime)
file(MAKE_DIRECTORY ${VELMORA_RUNTIME_DIR})
file(CHMOD ${VELMORA_RUNTIME_DIR} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
# The tests read the window in English, whatever the machine's language; the
# tests of the languages name theirs.
set(VELMORA_RUN_ENV "XDG_RUNTIME_DIR=${VELMORA_RUNTIME_DIR}" "LANGUAGE=en")
if("address" IN_LIST VELMORA_SANITIZE)
  # Full stacks, so that Qt's own leaks can be told apart from ours.
  list(APPEND VELMORA_RUN_ENV
    "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tools/sanitizer/lsan.supp:fast_unwind_on_malloc=0")
  # GCC 12's runtime takes some dynamic TLS blocks for pre-2.25 glibc ones and
  # reads a bogus range from them: now and then the leak check at a program's
  # end then dies ("Tracer caught signal 11", exit code 1) without a leak.
  # Fixed upstream in LLVM (D147459); the interception is not needed here.
  list(APPEND VELMORA_RUN_ENV "ASAN_OPTIONS=intercept_tls_get_addr=0")
endif()
if("thread" IN_LIST VELMORA_SANITIZE)
  # Debian's Qt is not built with ThreadSanitizer: its threads (Qt Test's
  # watchdog, QThread itself) synchronise in ways it cannot see. Judge only
  # what our own code does.
  list(APPEND VELMORA_RUN_ENV "TSAN_OPTIONS=ignore_noninstrumented_modules=1")
endif()

# velmora_add_library(NAME SOURCES... [LIBS ...]) - one static library per subsystem.
function(velmora_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# velmora_state_env(NAME OUT): where a test's runs of our programs keep what
# they keep between runs (the upgrade history, the settings file): a folder of
# that test's own in the build tree, never the home directory.
function(velmora_state_env name out)
  set(state ${CMAKE_BINARY_DIR}/test-state/${name})
  set(${out} "XDG_DATA_HOME=${state}/data;XDG_CONFIG_HOME=${state}/config" PARENT_SCOPE)
endfunction()
