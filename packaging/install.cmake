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
install(FILES ${CMAKE_SOURCE_DIR}/packaging/quillmere.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/quillmere.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmere)
set(CPACK_PACKAGE_VENDOR "Quillmere")
set(CPACK_PACKAGE_CONTACT "Quillmere developers <quillmere@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Desktop tool for plain-text lists of e-mail addresses")
set(CPACK_PACKAGE_INSTALL_DIRECTORY quillmere)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The runtime libraries come from dpkg-shlibdeps; Qt's platform plugins are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
include(CPack)

add_test(NAME install_and_start
         COMMAND bash ${CMAKE_SOURCE_DIR}/packaging/test-install.sh ${CMAKE_BINARY_DIR})
if(QUILLMERE_PACKAGE_TEST)
  add_test(NAME debian_package_installs
           COMMAND bash ${CMAKE_SOURCE_DIR}/packaging/test-package.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(debian_package_installs PROPERTIES RUN_SERIAL TRUE TIMEOUT 900)
endif()
