# For a cross build, where the host's libraries do not fit: GoogleTest built from Debian's
# source tree, and CLI11, which is headers only, taken from the host without the rest of
# /usr/include (whose C library headers would shadow the target's).
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${DEADHOLD_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

find_path(DEADHOLD_CLI11_HEADERS CLI/CLI.hpp PATHS /usr/include NO_DEFAULT_PATH
          NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(cli11_include ${CMAKE_BINARY_DIR}/cli11-include)
file(MAKE_DIRECTORY ${cli11_include})
file(CREATE_LINK ${DEADHOLD_CLI11_HEADERS}/CLI ${cli11_include}/CLI SYMBOLIC)
add_library(CLI11::CLI11 INTERFACE IMPORTED)
target_include_directories(CLI11::CLI11 SYSTEM INTERFACE ${cli11_include})
