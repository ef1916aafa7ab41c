# Where `cmake --install` puts each part, relative to the prefix, so that a
# staged tree (DESTDIR, --prefix) works wherever it is unpacked.
include(GNUInstallDirs)

set(NELVO_PACKAGE nelvo-job-handling)
# What an install rule without a component of its own belongs to.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME main)
set(NELVO_INSTALL_PRIVATE_DIR ${CMAKE_INSTALL_LIBDIR}/${NELVO_PACKAGE})
set(NELVO_INSTALL_PPD_DIR ${CMAKE_INSTALL_DATAROOTDIR}/ppd/${NELVO_PACKAGE})
set(NELVO_INSTALL_LOCALE_DIR ${CMAKE_INSTALL_LOCALEDIR})

# CUPS looks for filters in its ServerBin; installed under our prefix at the
# same place below it as under cups-config's own (lib/cups on Debian).
find_program(NELVO_CUPS_CONFIG cups-config)
set(NELVO_CUPS_SERVERBIN lib/cups)
if(NELVO_CUPS_CONFIG)
  execute_process(COMMAND ${NELVO_CUPS_CONFIG} --serverbin OUTPUT_VARIABLE serverbin OUTPUT_STRIP_TRAILING_WHITESPACE)
  cmake_path(GET NELVO_CUPS_CONFIG PARENT_PATH cups_bin)
  cmake_path(GET cups_bin PARENT_PATH cups_prefix)
  cmake_path(IS_PREFIX cups_prefix "${serverbin}" NORMALIZE under_prefix)
  if(serverbin AND under_prefix)
    cmake_path(RELATIVE_PATH serverbin BASE_DIRECTORY ${cups_prefix} OUTPUT_VARIABLE NELVO_CUPS_SERVERBIN)
  endif()
endif()
set(NELVO_INSTALL_FILTER_DIR ${NELVO_CUPS_SERVERBIN}/filter)

# nelvo_path_from_bindir(VAR DIR): DIR (relative to the prefix) as seen from
# the installed programs' folder, which is how the dialog finds it.
function(nelvo_path_from_bindir var dir)
  cmake_path(RELATIVE_PATH dir BASE_DIRECTORY ${CMAKE_INSTALL_BINDIR} OUTPUT_VARIABLE relative)
  set(${var} ${relative} PARENT_SCOPE)
endfunction()

# Our shared library sits beside the programs in the build tree and in the
# private folder once installed: both are found from the binary's own place.
set(CMAKE_BUILD_RPATH_USE_ORIGIN ON)
