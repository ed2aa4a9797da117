# embed_window_icon(TARGET PNG): compiles the PNG's bytes into TARGET as
# WindowIconPng (shell/WindowIcon.h), so the game reads no file for its icon.
function(embed_window_icon target png)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${png})
  file(READ ${png} hex HEX)
  string(REGEX REPLACE "(..)" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
  set(source ${CMAKE_CURRENT_BINARY_DIR}/generated/WindowIconPng.cpp)
  file(CONFIGURE OUTPUT ${source} @ONLY CONTENT
    "#include \"shell/WindowIcon.h\"\n\nconst unsigned char WindowIconPng[] = {\n${bytes}};\nconst std::size_t WindowIconPngSize = sizeof(WindowIconPng);\n")
  target_sources(${target} PRIVATE ${source})
endfunction()
