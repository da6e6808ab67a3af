# Third-party libraries, from Debian's packages (Linux) or built from Debian's sources into the
# build folder (Windows).

if(WIN32)
  # GoogleTest from Debian's source package, built once into this build folder.
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  add_library(veyra_gtest INTERFACE)
  target_link_libraries(veyra_gtest INTERFACE gtest gmock)

  # liblzma, cross-built by scripts/build-liblzma-win32.sh into VEYRA_DEPS_PREFIX.
  set(VEYRA_DEPS_PREFIX "${CMAKE_BINARY_DIR}/deps" CACHE PATH "Cross-built dependencies")
  add_library(veyra_lzma STATIC IMPORTED GLOBAL)
  set_target_properties(veyra_lzma PROPERTIES
    IMPORTED_LOCATION "${VEYRA_DEPS_PREFIX}/lib/liblzma.a"
    INTERFACE_INCLUDE_DIRECTORIES "${VEYRA_DEPS_PREFIX}/include"
    INTERFACE_COMPILE_DEFINITIONS LZMA_API_STATIC)
else()
  find_package(GTest REQUIRED)
  find_package(Threads REQUIRED)
  add_library(veyra_gtest INTERFACE)
  target_link_libraries(veyra_gtest INTERFACE GTest::gtest GTest::gmock Threads::Threads)

  find_package(PkgConfig REQUIRED)
  pkg_check_modules(LZMA REQUIRED IMPORTED_TARGET liblzma)
  add_library(veyra_lzma INTERFACE)
  target_link_libraries(veyra_lzma INTERFACE PkgConfig::LZMA)
endif()
