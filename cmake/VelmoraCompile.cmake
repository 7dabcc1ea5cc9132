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

# Environment for programs of ours that run during the build and the tests.
set(VELMORA_RUN_ENV "")
if("address" IN_LIST VELMORA_SANITIZE)
  # Full stacks, so that Qt's own leaks can be told apart from ours.
  list(APPEND VELMORA_RUN_ENV
    "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tools/sanitizer/lsan.supp:fast_unwind_on_malloc=0")
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
