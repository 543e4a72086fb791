# Installation and the Debian package. The executable sits in lib/quillmere with its
# manual beside it, where "Help" > "Manual" looks; bin/quillmere links to it.
include(GNUInstallDirs)

set(QUILLMERE_APP_DIR ${CMAKE_INSTALL_LIBDIR}/quillmere)
set(QUILLMERE_MANUAL ${CMAKE_SOURCE_DIR}/doc/help.htm)
set(QUILLMERE_MANUAL_IMAGES ${CMAKE_SOURCE_DIR}/doc/images)

# The manual is copied beside the built executable too, so the menu finds it in the build
# folder; copied at configure time, so a change to doc/ alone is picked up.
configure_file(${QUILLMERE_MANUAL} ${CMAKE_BINARY_DIR}/help.htm COPYONLY)
file(GLOB manual_images CONFIGURE_DEPENDS ${QUILLMERE_MANUAL_IMAGES}/*.png)
foreach(image IN LISTS manual_images)
  get_filename_component(image_name ${image} NAME)
  configure_file(${image} ${CMAKE_BINARY_DIR}/images/${image_name} COPYONLY)
endforeach()

install(TARGETS quillmere RUNTIME DESTINATION ${QUILLMERE_APP_DIR})
install(FILES ${QUILLMERE_MANUAL} DESTINATION ${QUILLMERE_APP_DIR})
install(DIRECTORY ${QUILLMERE_MANUAL_IMAGES} DESTINATION ${QUILLMERE_APP_DIR})
install(CODE "
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(CREATE_LINK ../${QUILLMERE_APP_DIR}/quillmere
       \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/quillmere\" SYMBOLIC)
")
set(QUILLMERE_APP_ID org.quillmere.Quillmere)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${QUILLMERE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${QUILLMERE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS QUILLMERE_ICON_SIZES)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/quillmere-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME quillmere.png)
endforeach()

# Debian wants the manual page and the changelog compressed without a time stamp
# (gzip -9n); they are compressed when the build is configured.
function(install_gzipped source destination)
  get_filename_component(name ${source} NAME)
  set(gzipped ${CMAKE_BINARY_DIR}/gzipped/${name}.gz)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/gzipped)
  execute_process(COMMAND gzip -9nc ${source} OUTPUT_FILE ${gzipped} COMMAND_ERROR_IS_FATAL ANY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  install(FILES ${gzipped} DESTINATION ${destination})
endfunction()
install_gzipped(${CMAKE_SOURCE_DIR}/doc/quillmere.1 ${CMAKE_INSTALL_MANDIR}/man1)
install_gzipped(${CMAKE_SOURCE_DIR}/packaging/changelog ${CMAKE_INSTALL_DATADIR}/doc/quillmere)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillmere)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmere)
set(CPACK_PACKAGE_VENDOR "Quillmere")
set(CPACK_PACKAGE_CONTACT "Quillmere developers <packages@quillmere.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop tool for plain-text lists of e-mail addresses")
set(CPACK_PACKAGE_DESCRIPTION [[
Quillmere keeps plain-text lists of e-mail addresses in order: one address
a line, maybe with a name before it. It combines two lists by union,
difference or intersection of their addresses, removes invalid lines and
repeated addresses, sorts by line, address or domain, extracts the lines of
chosen domains, splits a list into numbered files and seeds your own address
into a copy of a list to test delivery. A bar chart shows the most frequent
domains and is saved as BMP or EMF.]])
set(CPACK_PACKAGE_INSTALL_DIRECTORY quillmere)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The runtime libraries come from dpkg-shlibdeps; Qt's platform plugins are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The empty Wayland titles use Qt's private native interface, so the package needs the very
# Qt version it was built with, as Debian's own Qt plug-ins do.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-base-abi (= ${Qt6_VERSION})")
# Wayland desktops need Qt's Wayland plug-in; "Manual" and "Home" open the manual through
# xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, xdg-utils")
# The program is stripped; its debug symbols go into a quillmere-dbgsym package.
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
include(CPack)

add_test(NAME install_and_start
         COMMAND bash ${CMAKE_SOURCE_DIR}/packaging/test-install.sh ${CMAKE_BINARY_DIR})
if(QUILLMERE_PACKAGE_TEST)
  add_test(NAME debian_package_installs
           COMMAND bash ${CMAKE_SOURCE_DIR}/packaging/test-package.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(debian_package_installs PROPERTIES RUN_SERIAL TRUE TIMEOUT 900)
endif()
