# Sources of the pack: every family folder, frame/ and host/. The Windows
# cross-build compiles the same list.
file(GLOB VORLIX_PACK_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_LIST_DIR}/../frame/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../host/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../hatch/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../text/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../transform/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../cut/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../measure/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../layers/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../script/*.cpp)
list(FILTER VORLIX_PACK_SOURCES EXCLUDE REGEX "dll_main\\.cpp$")
