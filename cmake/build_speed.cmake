# Shorter builds for everyone who types the test command: sources compiled in
# batches (one compiler start and one parse of the shared headers per batch),
# the fast linker where it is installed, and the compiler cache where it is.
option(BRAMBLETON_UNITY "Compile each target's sources in batches" ON)
if(BRAMBLETON_UNITY)
  set(CMAKE_UNITY_BUILD ON)
  set(CMAKE_UNITY_BUILD_BATCH_SIZE 12)
  # A batch includes its files, so GCC takes their private types for a header's
  # and warns about every test fixture kept in an unnamed namespace.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    list(APPEND BRAMBLETON_WARNINGS -Wno-subobject-linkage)
  endif()
endif()

include(CheckLinkerFlag)
check_linker_flag(CXX -fuse-ld=lld BRAMBLETON_HAVE_LLD)
if(BRAMBLETON_HAVE_LLD)
  add_link_options(-fuse-ld=lld)
endif()

find_program(BRAMBLETON_CCACHE ccache)
if(BRAMBLETON_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  # Paths below the source tree count as relative, so that two clones of the
  # repository share what they compiled.
  set(launcher ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${PROJECT_SOURCE_DIR} CCACHE_NOHASHDIR=true
               ${BRAMBLETON_CCACHE})
  set(CMAKE_C_COMPILER_LAUNCHER ${launcher})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${launcher})
endif()
