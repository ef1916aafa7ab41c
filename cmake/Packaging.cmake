# The Debian package (scripts/package.sh runs CPack): what `cmake --install`
# lays out under /usr, with dependencies found from the binaries' libraries
# plus a CUPS scheduler for the filter and the PPDs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${NELVO_PACKAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Nelvo Job Handling developers <job-handling@nelvo.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Job Handling print dialog panel and CUPS driver for Nelvo printers")
set(CPACK_PACKAGE_DESCRIPTION
    "The Job Handling panel of GTK's print dialog, a scripted and a terminal\n"
    "print dialog, the CUPS filter that writes the device's job ticket, the\n"
    "printer's PPDs and a device simulator for trying them without the printer.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Our own shared library is private to the package: shlibdeps finds it there.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR})
set(CPACK_DEBIAN_PACKAGE_DEPENDS "cups-daemon | cups")
set(CPACK_STRIP_FILES ON)
include(CPack)
