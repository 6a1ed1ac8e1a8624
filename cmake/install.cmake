# What `cmake --install` puts under the prefix: the plug-ins (see plot_add_plugin), the tool,
# the public C headers, a pkg-config file and a CMake package config. A host includes
# <compositional-plots/plot_plugin.h> and dlopens the plug-ins from the folder both name.
include(CMakePackageConfigHelpers)

set(PLOT_INSTALL_INCLUDE_DIR ${CMAKE_INSTALL_INCLUDEDIR}/compositional-plots)
# The testing functions are no part of the stable interface.
set(plot_installed_headers ${PLOT_PUBLIC_HEADERS})
list(REMOVE_ITEM plot_installed_headers ${PROJECT_SOURCE_DIR}/include/plot_plugin_testing.h)
install(FILES ${plot_installed_headers} DESTINATION ${PLOT_INSTALL_INCLUDE_DIR})

configure_file(${CMAKE_CURRENT_LIST_DIR}/compositional-plots.pc.in
  ${CMAKE_BINARY_DIR}/compositional-plots.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/compositional-plots.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/CompositionalPlotsConfig.cmake.in
  ${CMAKE_BINARY_DIR}/CompositionalPlotsConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/CompositionalPlots
  PATH_VARS PLOT_INSTALL_INCLUDE_DIR PLOT_INSTALL_PLUGIN_DIR)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/CompositionalPlotsConfigVersion.cmake
  VERSION 1.0 COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/CompositionalPlotsConfig.cmake
  ${CMAKE_BINARY_DIR}/CompositionalPlotsConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/CompositionalPlots)
