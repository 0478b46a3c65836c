# Shared part of the mingw-w64 toolchain files; QUORVEL_MINGW_TRIPLE names the target.
if(CMAKE_HOST_WIN32)
  # On Windows, MSYS2's MINGW32 (or MINGW64) shell puts its mingw-w64 compilers on the PATH
  # under their plain names.
  set(CMAKE_C_COMPILER gcc)
  set(CMAKE_CXX_COMPILER g++)
  set(CMAKE_RC_COMPILER windres)
else()
  # Debian's cross compilers, the ones with POSIX threads.
  set(CMAKE_C_COMPILER ${QUORVEL_MINGW_TRIPLE}-gcc-posix)
  set(CMAKE_CXX_COMPILER ${QUORVEL_MINGW_TRIPLE}-g++-posix)
  set(CMAKE_RC_COMPILER ${QUORVEL_MINGW_TRIPLE}-windres)
  set(CMAKE_FIND_ROOT_PATH /usr/${QUORVEL_MINGW_TRIPLE})
  set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
  set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
  set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
endif()
