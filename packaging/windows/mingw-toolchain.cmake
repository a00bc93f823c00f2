# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (POSIX threads,
# which Qt's std::thread use needs).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# No path of this machine in the binaries: __FILE__ in assertion messages
# and Qt's warnings would otherwise carry where the source and the build
# lay here. The build folder is named last: where it lies inside the
# source, the later mapping is the one GCC applies.
set(prefix_maps "-ffile-prefix-map=${CMAKE_SOURCE_DIR}=src -ffile-prefix-map=${CMAKE_BINARY_DIR}=build")
set(CMAKE_C_FLAGS_INIT "${prefix_maps}")
set(CMAKE_CXX_FLAGS_INIT "${prefix_maps}")
