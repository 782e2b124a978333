# The Windows build, after the targets: the program as a windowed program with its
# icon and version; what `cmake --install` puts in one folder for the installer
# (packaging/windows/vorlinde.nsi); and the fonts the tests read under Wine.

find_package(Qt6 REQUIRED COMPONENTS PrintSupport)

# musl's mathematical functions (scripts/windows-deps.sh) before MinGW's, so that
# the results' last digits are those of the Linux build.
find_library(VORLINDE_LIBM musl_m REQUIRED)
target_link_libraries(vorlinde_core PUBLIC ${VORLINDE_LIBM})

# The icon from the program's own pictures, and the resource script naming it.
set(icon_pngs)
foreach(size 16 32 48 64)
  list(APPEND icon_pngs ${PROJECT_SOURCE_DIR}/resources/icons/vorlinde-${size}.png)
endforeach()
set(VORLINDE_ICON ${CMAKE_BINARY_DIR}/windows/vorlinde.ico)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/windows)
execute_process(COMMAND bash ${PROJECT_SOURCE_DIR}/packaging/windows/make-icon.sh
                        ${VORLINDE_ICON} ${icon_pngs}
                COMMAND_ERROR_IS_FATAL ANY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${icon_pngs})
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/vorlinde.rc.in
               ${CMAKE_BINARY_DIR}/windows/vorlinde.rc @ONLY)
target_sources(vorlinde PRIVATE ${CMAKE_BINARY_DIR}/windows/vorlinde.rc)
set_target_properties(vorlinde PROPERTIES WIN32_EXECUTABLE ON)

# One folder: the program, its print module, the DLLs they load, Qt's Windows
# plugin and style, and Qt's Chinese texts, found through qt.conf.
install(TARGETS vorlinde_print LIBRARY DESTINATION bin)
foreach(module Core Gui Widgets PrintSupport)
  install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION bin)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION bin/platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION bin/styles)
foreach(prefix IN LISTS VORLINDE_WINDOWS_PREFIX)
  file(GLOB gmp_dlls ${prefix}/bin/libgmp*.dll)
  install(FILES ${gmp_dlls} DESTINATION bin)
endforeach()
install(FILES ${VORLINDE_WINDOWS_RUNTIME} DESTINATION bin)
file(WRITE ${CMAKE_BINARY_DIR}/windows/qt.conf
     "[Paths]\nPrefix = .\nPlugins = .\nTranslations = translations\n")
install(FILES ${CMAKE_BINARY_DIR}/windows/qt.conf DESTINATION bin)
install(FILES /usr/share/qt6/translations/qtbase_zh_CN.qm DESTINATION bin/translations)

# The faces the program falls back to where Windows has none of its Song faces
# (forms/control_factory.h): AR PL's Ming face, which has 宋体's widths that the
# forms were laid out for (a Hei face's wider letters push captions out of their
# labels), and DejaVu Sans, which the working names for subscripts. In the build,
# beside the programs.
set(shipped_fonts /usr/share/fonts/truetype/arphic/uming.ttc
                  /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/fonts)
foreach(font IN LISTS shipped_fonts)
  if(NOT EXISTS ${font})
    message(FATAL_ERROR "${font} missing: install fonts-arphic-uming and fonts-dejavu-core")
  endif()
  get_filename_component(name ${font} NAME)
  file(CREATE_LINK ${font} ${CMAKE_BINARY_DIR}/fonts/${name} SYMBOLIC)
endforeach()
install(FILES ${shipped_fonts} DESTINATION bin/fonts)

# The working's mathematical face, in a folder of its own: read when the first
# working is set, never at start-up (working/typeset_line.h).
set(math_font_dir /usr/share/fonts/opentype/linux-libertine)
set(math_fonts ${math_font_dir}/LinLibertine_R.otf ${math_font_dir}/LinLibertine_RI.otf
               ${math_font_dir}/LinLibertine_RB.otf ${math_font_dir}/LinLibertine_RBI.otf)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/fonts/math)
foreach(font IN LISTS math_fonts)
  if(NOT EXISTS ${font})
    message(FATAL_ERROR "${font} missing: install fonts-linuxlibertine")
  endif()
  get_filename_component(name ${font} NAME)
  file(CREATE_LINK ${font} ${CMAKE_BINARY_DIR}/fonts/math/${name} SYMBOLIC)
endforeach()
install(FILES ${math_fonts} DESTINATION bin/fonts/math)

# The fonts the Linux suite sees through fontconfig; under Wine the offscreen
# platform reads only the folder QT_QPA_FONTDIR names. Drawn by Windows itself,
# the tests fall back to the shipped faces as the program does.
if(VORLINDE_TESTS)
  set(test_font_dir ${CMAKE_BINARY_DIR}/test-fonts)
  file(GLOB_RECURSE test_fonts /usr/share/fonts/truetype/*.ttf /usr/share/fonts/truetype/*.ttc
       ${math_font_dir}/*.otf)
  file(MAKE_DIRECTORY ${test_font_dir})
  foreach(font IN LISTS test_fonts)
    get_filename_component(name ${font} NAME)
    file(CREATE_LINK ${font} ${test_font_dir}/${name} SYMBOLIC)
  endforeach()
  target_compile_definitions(vorlinde_test_support PRIVATE
    VORLINDE_TEST_FONTS="${test_font_dir}" VORLINDE_SHIPPED_FONTS="${CMAKE_BINARY_DIR}/fonts")
endif()
