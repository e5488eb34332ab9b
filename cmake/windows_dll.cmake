# Every ordinary build also produces vorlix.dll, the product a Windows user
# installs, when the mingw-w64 i686 cross compiler is present. The DLL is a
# separate CMake project (windows/) because it needs its own toolchain; it
# lands in ${CMAKE_BINARY_DIR}/windows.
find_program(VORLIX_MINGW_GXX i686-w64-mingw32-g++)
if(NOT VORLIX_MINGW_GXX)
  message(STATUS "vorlix.dll: i686-w64-mingw32-g++ not found, the Windows DLL is not built")
  return()
endif()

# The inner build shares the machine with the outer one.
set(VORLIX_DLL_JOBS 2 CACHE STRING "Parallel jobs of the vorlix.dll cross-build")

get_filename_component(_vorlix_root ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(_vorlix_dll_build_type ${CMAKE_BUILD_TYPE})
if(NOT _vorlix_dll_build_type)
  set(_vorlix_dll_build_type Release)
endif()

include(ExternalProject)
ExternalProject_Add(vorlix_dll
  SOURCE_DIR ${_vorlix_root}/windows
  BINARY_DIR ${CMAKE_BINARY_DIR}/windows
  PREFIX ${CMAKE_BINARY_DIR}/windows-ep
  CMAKE_GENERATOR ${CMAKE_GENERATOR}
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${_vorlix_root}/cmake/mingw-i686.cmake
    -DCMAKE_BUILD_TYPE=${_vorlix_dll_build_type}
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --parallel ${VORLIX_DLL_JOBS}
  # The inner build is incremental; always asking it is what notices a
  # changed pack source.
  BUILD_ALWAYS 1
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${CMAKE_BINARY_DIR}/windows/vorlix.dll)
