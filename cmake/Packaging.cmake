# The Debian packages (scripts/package.sh runs CPack): what `cmake --install`
# lays out under /usr, in two packages, one per install component:
#   nelvo-job-handling      the dialog, the filter, the PPDs, the simulator:
#                           everything that prints, on a machine without GTK
#   nelvo-job-handling-gtk  GTK's print dialog with the panel's tab
# with dependencies found from the binaries' libraries, plus CUPS for the
# filter and the PPDs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${NELVO_PACKAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Nelvo Job Handling developers <job-handling@nelvo.invalid>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Our own shared libraries are private to the package: shlibdeps finds them there.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL main gtk)
set(CPACK_DEBIAN_MAIN_PACKAGE_NAME ${NELVO_PACKAGE})
# The whole of CUPS, not cups-daemon alone: the scheduler lists the PPDs
# (lpinfo -m) through cups-driverd, and lpadmin makes a queue with them.
set(CPACK_DEBIAN_MAIN_PACKAGE_DEPENDS cups)
set(CPACK_COMPONENT_MAIN_DESCRIPTION
    "Job Handling print dialog panel and CUPS driver for Nelvo printers\n"
    "The Job Handling panel in a scripted and a terminal print dialog, the\n"
    "CUPS filter that writes the device's job ticket, the printer's PPDs and\n"
    "a device simulator for trying them without the printer.")
set(CPACK_DEBIAN_GTK_PACKAGE_NAME ${NELVO_PACKAGE}-gtk)
set(CPACK_COMPONENT_GTK_DEPENDS main)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_COMPONENT_GTK_DESCRIPTION
    "Job Handling panel in GTK's print dialog for Nelvo printers\n"
    "GTK's print dialog with the Job Handling panel as a tab, and a desktop\n"
    "entry that prints a PDF or PostScript file with it.")
include(CPack)
