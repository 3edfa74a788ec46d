# Shorter builds for everyone who types the test command: sources compiled in
# batches (one compiler start and one parse of the shared headers per batch),
# the fast linker where it is installed, and the compiler cache where it is.
option(BRAMBLETON_UNITY "Compile each target's sources in batches" ON)
if(BRAMBLETON_UNITY)
  set(CMAKE_UNITY_BUILD ON)
  set(CMAKE_UNITY_BUILD_BATCH_SIZE 32)
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
  # repository share what they compiled. The sloppiness lets the cache keep files
  # compiled with a precompiled header (the art and sound generators').
  set(launcher ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${PROJECT_SOURCE_DIR} CCACHE_NOHASHDIR=true
               CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
               ${BRAMBLETON_CCACHE})
  set(CMAKE_C_COMPILER_LAUNCHER ${launcher})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${launcher})
endif()

# Debug information as line tables and function names (-g1): all a crash's backtrace or a
# profiler needs. The full -g of the default made every file take 40 % longer to compile.
# Only the default is replaced; flags given on the command line stay.
foreach(lang C CXX)
  if(CMAKE_${lang}_FLAGS_RELWITHDEBINFO STREQUAL "-O2 -g -DNDEBUG")
    set(CMAKE_${lang}_FLAGS_RELWITHDEBINFO "-O2 -g1 -DNDEBUG")
  endif()
endforeach()

# The tests' own code (fixtures, assertions, gtest's templates) is most of the compile time and
# little of the run time, which goes to the game's code it calls: it is compiled with less
# optimisation than the game (the last -O on the command line wins).
set(BRAMBLETON_TEST_CODE_FLAGS -O0)
