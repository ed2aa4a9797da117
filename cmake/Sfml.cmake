# SFML 2 with its graphics, window and system modules: the system's where an
# SFML 2 is installed, otherwise built from third_party/ and linked in
# statically (always so for Windows). On Linux also fontconfig, which finds
# the game's fonts (NEONVINE_FONTCONFIG).
set(SFML_SOURCE ${PROJECT_SOURCE_DIR}/third_party/SFML-2.6.2)

# Whether an SFML 2 is installed, told by its version header: a system may
# have moved on to SFML 3, whose interface the game does not use.
function(system_has_sfml2 result)
  find_file(SFML_CONFIG_HEADER SFML/Config.hpp)
  set(found OFF)
  if(SFML_CONFIG_HEADER)
    file(STRINGS ${SFML_CONFIG_HEADER} major REGEX "#define SFML_VERSION_MAJOR 2$")
    if(major)
      set(found ON)
    endif()
  endif()
  set(${result} ${found} PARENT_SCOPE)
endfunction()

if(WIN32)
  set(NEONVINE_VENDORED_SFML ON)
else()
  system_has_sfml2(HAS_SFML2)
  if(HAS_SFML2)
    set(VENDORED_DEFAULT OFF)
  else()
    set(VENDORED_DEFAULT ON)
  endif()
  option(NEONVINE_VENDORED_SFML "Build SFML 2.6.2 from third_party/ and link it in statically" ${VENDORED_DEFAULT})
endif()

if(NEONVINE_VENDORED_SFML)
  set(BUILD_SHARED_LIBS OFF)
  set(SFML_BUILD_AUDIO OFF)
  set(SFML_BUILD_NETWORK OFF)
  set(SFML_INSTALL_PKGCONFIG_FILES OFF)  # installed nowhere: it is linked into the game
  if(WIN32)
    # A cross build searches only the toolchain's root, so the freetype that
    # SFML bundles is named here; everything else is linked in too, so the
    # game needs no DLL beyond the system's.
    set(FREETYPE_LIBRARY ${SFML_SOURCE}/extlibs/libs-mingw/x64/libfreetype.a CACHE FILEPATH "")
    set(FREETYPE_INCLUDE_DIR_ft2build ${SFML_SOURCE}/extlibs/headers/freetype2 CACHE PATH "")
    set(FREETYPE_INCLUDE_DIR_freetype2 ${SFML_SOURCE}/extlibs/headers/freetype2 CACHE PATH "")
    add_link_options(-static)
  endif()
  add_subdirectory(${SFML_SOURCE} EXCLUDE_FROM_ALL)
else()
  find_package(SFML 2.5 COMPONENTS graphics window system REQUIRED)
endif()

if(WIN32)
  set(NEONVINE_FONTCONFIG "")
else()
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig)
  set(NEONVINE_FONTCONFIG PkgConfig::FONTCONFIG)
endif()
