# ccache when it is installed, so that a source compiled before (in this build folder, another
# one or another checkout) is not compiled again. Paths below the project are hashed relative to
# it and precompiled headers are allowed, so every checkout of the project shares one cache.
find_program(KESTRELON_CCACHE ccache)
if(KESTRELON_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_CXX_COMPILER_LAUNCHER
      ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${PROJECT_SOURCE_DIR} CCACHE_NOHASHDIR=1
      "CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime"
      ${KESTRELON_CCACHE})
endif()
