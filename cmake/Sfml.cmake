# SFML 2 with its graphics, window and system modules, and on Linux
# fontconfig, which finds the game's fonts (NEONVINE_FONTCONFIG).
if(WIN32)
  # From its vendored source, static, so the game needs no DLL beyond the
  # system's. A cross build searches only the toolchain's root, so the
  # freetype that SFML bundles is named here.
  set(SFML_SOURCE ${PROJECT_SOURCE_DIR}/third_party/SFML-2.6.2)
  set(BUILD_SHARED_LIBS OFF)
  set(SFML_BUILD_AUDIO OFF)
  set(SFML_BUILD_NETWORK OFF)
  set(FREETYPE_LIBRARY ${SFML_SOURCE}/extlibs/libs-mingw/x64/libfreetype.a CACHE FILEPATH "")
  set(FREETYPE_INCLUDE_DIR_ft2build ${SFML_SOURCE}/extlibs/headers/freetype2 CACHE PATH "")
  set(FREETYPE_INCLUDE_DIR_freetype2 ${SFML_SOURCE}/extlibs/headers/freetype2 CACHE PATH "")
  add_subdirectory(${SFML_SOURCE} EXCLUDE_FROM_ALL)
  add_link_options(-static)
  set(NEONVINE_FONTCONFIG "")
else()
  find_package(SFML 2.5 COMPONENTS graphics window system REQUIRED)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig)
  set(NEONVINE_FONTCONFIG PkgConfig::FONTCONFIG)
endif()
