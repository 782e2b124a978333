# Under cross-compilation, the picture packer is built for the build machine with
# its own compiler and Qt, as a project of its own; pack_picture names it.
include(ExternalProject)
set(host_tools_dir ${CMAKE_BINARY_DIR}/host-tools)
ExternalProject_Add(host_tools
  SOURCE_DIR ${PROJECT_SOURCE_DIR}/cmake/host-tools
  BINARY_DIR ${host_tools_dir}
  CMAKE_ARGS -DVORLINDE_SOURCE_DIR=${PROJECT_SOURCE_DIR} -DCMAKE_BUILD_TYPE=Release
             -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
  INSTALL_COMMAND ""
  # Its own build decides whether the packer's source changed.
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${host_tools_dir}/pack_picture)
set(pack_picture ${host_tools_dir}/pack_picture)
