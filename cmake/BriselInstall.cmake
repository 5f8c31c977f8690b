# Install rules and the Debian package. The program finds its user guide beside itself (build
# tree) or in ../share/brisel-librarian (an install), so both layouts work without configuration.
include(GNUInstallDirs)

set(BRISEL_APP_ID com.taveno.BriselLibrarian)
set(BRISEL_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(BRISEL_HELP_DIR ${PROJECT_SOURCE_DIR}/app/help)

# The guide as the build tree's program reads it: the page and its pictures beside the executable.
function(brisel_copy_help_beside target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${BRISEL_HELP_DIR}/index.html
      $<TARGET_FILE_DIR:${target}>/BriselLibrarianHelp.html
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${BRISEL_HELP_DIR}/help-images
      $<TARGET_FILE_DIR:${target}>/help-images)
endfunction()

function(brisel_install_librarian)
  install(TARGETS brisel-librarian RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  set(share ${CMAKE_INSTALL_DATADIR})
  install(FILES ${BRISEL_HELP_DIR}/index.html DESTINATION ${share}/brisel-librarian
    RENAME BriselLibrarianHelp.html)
  install(DIRECTORY ${BRISEL_HELP_DIR}/help-images DESTINATION ${share}/brisel-librarian)
  install(FILES ${BRISEL_PACKAGING_DIR}/${BRISEL_APP_ID}.desktop DESTINATION ${share}/applications)
  install(FILES ${BRISEL_PACKAGING_DIR}/${BRISEL_APP_ID}.metainfo.xml DESTINATION ${share}/metainfo)
  install(FILES ${BRISEL_PACKAGING_DIR}/${BRISEL_APP_ID}.svg
    DESTINATION ${share}/icons/hicolor/scalable/apps)
  install(FILES ${BRISEL_PACKAGING_DIR}/${BRISEL_APP_ID}.png
    DESTINATION ${share}/icons/hicolor/256x256/apps)
  install(FILES ${BRISEL_PACKAGING_DIR}/brisel-librarian.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

function(brisel_install_tool)
  install(TARGETS brisel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  if(EXISTS ${PROJECT_SOURCE_DIR}/tools/brisel.1)
    install(FILES ${PROJECT_SOURCE_DIR}/tools/brisel.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endfunction()

function(brisel_package)
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME brisel-librarian)
  set(CPACK_PACKAGE_VENDOR "Taveno")
  set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "librarian for the patches, tones and waves of Brisel sampler projects")
  set(CPACK_PACKAGE_DESCRIPTION
    "Opens Brisel project folders, shows their patches, tones and waves, lets the user rearrange\n\
them and drag them between projects with every reference kept right, imports audio files as\n\
waves, cleans unused entries and saves crash-safely in the layout the instrument reads.")
  set(CPACK_PACKAGE_CONTACT "Brisel Librarian developers <librarian@taveno.invalid>")
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_STRIP_FILES ON)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION sound)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # Plugins are loaded at run time, so the library scan cannot see them: the X11/Wayland platform
  # plugins and the desktop's opener for the guide.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
  include(CPack)
endfunction()
