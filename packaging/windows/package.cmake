# The Windows packages, made by `cpack` in a Windows build folder:
#   gloamdelve-VERSION-winNN.zip        one folder gloamdelve-VERSION-winNN/ holding gloamdelve.exe,
#                                       its data folders (bmp_*/, map/) beside it, README.txt and
#                                       LICENSE.txt: unzip and double-click;
#   gloamdelve-VERSION-winNN-setup.exe  an NSIS installer of the same files into Program Files, with a
#                                       Start-menu entry, the licence page and an uninstaller; it also
#                                       leaves installed.txt beside the .exe, the sign for the game to
#                                       keep its map copy under %LOCALAPPDATA% (the zip has no marker).
# The program carries the game's icon as a resource; the installer shows the same icon.

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(GLOAMDELVE_WINDOWS_BITS 64)
else()
  set(GLOAMDELVE_WINDOWS_BITS 32)
endif()

# The icon and version resources, compiled into gloamdelve.exe. The .ico is painted by the art
# tool with the rest of the data, so the program is linked after it.
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/windows/gloamdelve.rc.in ${CMAKE_CURRENT_BINARY_DIR}/gloamdelve.rc @ONLY)
target_sources(gloamdelve PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/gloamdelve.rc)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/gloamdelve.rc TARGET_DIRECTORY gloamdelve
                            PROPERTIES OBJECT_DEPENDS ${GLOAMDELVE_ICO})
add_dependencies(gloamdelve gloam_data)

# README and licence as Windows text files (CR LF line ends), named .txt so a double click opens them.
foreach(pair "README.md;README.txt" "LICENSE;LICENSE.txt")
  list(GET pair 0 from)
  list(GET pair 1 to)
  file(READ ${PROJECT_SOURCE_DIR}/${from} text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${to}.new "${text}")
  file(COPY_FILE ${CMAKE_CURRENT_BINARY_DIR}/${to}.new ${CMAKE_CURRENT_BINARY_DIR}/${to} ONLY_IF_DIFFERENT)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${from})
endforeach()

# Everything in one folder: the game looks for its data beside the .exe.
install(TARGETS gloamdelve RUNTIME DESTINATION .)
install(DIRECTORY ${CMAKE_BINARY_DIR}/data/ DESTINATION .)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt DESTINATION .)

set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_GENERATOR "ZIP;NSIS")
set(CPACK_PACKAGE_NAME gloamdelve)
set(CPACK_PACKAGE_VENDOR "The GLOAMDELVE developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "GLOAMDELVE, a dungeon game seen from above or through your own eyes")
set(CPACK_PACKAGE_FILE_NAME gloamdelve-${PROJECT_VERSION}-win${GLOAMDELVE_WINDOWS_BITS})
set(CPACK_PACKAGE_INSTALL_DIRECTORY GLOAMDELVE)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY GLOAMDELVE)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt)
set(CPACK_STRIP_FILES ON)
# The installer is named ...-setup.exe; the zip keeps the plain name for itself and its folder.
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/windows/cpack_options.cmake.in
               ${CMAKE_CURRENT_BINARY_DIR}/cpack_options.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/cpack_options.cmake)

set(CPACK_NSIS_PACKAGE_NAME GLOAMDELVE)
set(CPACK_NSIS_DISPLAY_NAME "GLOAMDELVE ${PROJECT_VERSION}")
set(CPACK_NSIS_URL_INFO_ABOUT ${GLOAMDELVE_HOMEPAGE})
set(CPACK_NSIS_MUI_ICON ${GLOAMDELVE_ICO})
set(CPACK_NSIS_MUI_UNIICON ${GLOAMDELVE_ICO})
set(CPACK_NSIS_INSTALLED_ICON_NAME gloamdelve.exe)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_MUI_FINISHPAGE_RUN gloamdelve.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
if(GLOAMDELVE_WINDOWS_BITS EQUAL 64)
  # A 64-bit installer: it installs into the 64-bit Program Files and registers in the 64-bit view.
  set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
  set(CPACK_NSIS_DEFINES "Target amd64-unicode")
else()
  set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES")
endif()
# The Start-menu entry starts the game in its own folder and shows the icon inside the .exe.
set(CPACK_NSIS_CREATE_ICONS_EXTRA
    "  SetOutPath \"$INSTDIR\"\n  CreateShortCut \"$SMPROGRAMS\\$STARTMENU_FOLDER\\GLOAMDELVE.lnk\" \"$INSTDIR\\gloamdelve.exe\" \"\" \"$INSTDIR\\gloamdelve.exe\" 0")
set(CPACK_NSIS_DELETE_ICONS_EXTRA "  Delete \"$SMPROGRAMS\\$MUI_TEMP\\GLOAMDELVE.lnk\"")
# The marker beside the .exe, written last; the uninstaller removes it with the rest.
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS
    "  FileOpen $0 \"$INSTDIR\\installed.txt\" w\n  FileWrite $0 \"GLOAMDELVE was installed here by its setup program: the game keeps its map in %LOCALAPPDATA%\\GLOAMDELVE\\map and writes nothing into this folder.$\\r$\\n\"\n  FileClose $0")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "  Delete \"$INSTDIR\\installed.txt\"")
include(CPack)
