# What `cmake --install` puts in place besides the program, its desktop entry and icons
# (src/app), and the Debian package made of it all with CPack (`make package`).
set(resources ${PROJECT_SOURCE_DIR}/resources)
install(FILES ${resources}/io.github.gestrix.Gestrix.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page and the changelog go compressed, as Debian has them.
foreach(document gestrix.1 changelog)
  add_custom_command(OUTPUT ${document}.gz
                     COMMAND gzip -9n -c ${resources}/${document} > ${document}.gz
                     DEPENDS ${resources}/${document})
  list(APPEND compressed ${CMAKE_CURRENT_BINARY_DIR}/${document}.gz)
endforeach()
add_custom_target(compressed_documents ALL DEPENDS ${compressed})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/gestrix.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${resources}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/gestrix)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gestrix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Gestrix developers <gestrix@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "start programs by drawing a symbol with the mouse")
set(CPACK_PACKAGE_DESCRIPTION "Gestrix waits in the notification area. Press the middle mouse button
anywhere: the screen freezes, you draw a symbol, and a click starts the
program tied to it. Symbols are drawn on a 12 by 12 grid and kept as small
files, one per shortcut. The interface is in French or English.")
# Libraries come from the program itself; Qt's own dialogs need Qt's translations, and
# documents and folders open in the applications their type (shared-mime-info) names.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, shared-mime-info")
# The Wayland session runs Gestrix as a Wayland client when Qt can speak Wayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${resources}/debian/postinst ${resources}/debian/prerm)
include(CPack)
