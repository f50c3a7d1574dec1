# Installs libveiculo with its public headers, a CMake package config
# (find_package(veiculo) gives veiculo::module) and a pkg-config file
# (veiculo.pc), the `veiculo` host and the schema scripts; `cpack -G DEB`
# (`make package`) turns the same tree into a Debian package.
#
# libveiculo is a static library: a consumer links the database libraries it
# uses itself (SOCI's core, Firebird and ODBC backends and the Firebird client),
# which the package config and veiculo.pc name.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(VEICULO_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/veiculo)

set_target_properties(veiculo PROPERTIES EXPORT_NAME module)
set_target_properties(veiculo_soci PROPERTIES EXPORT_NAME database_libraries)
install(TARGETS veiculo veiculo_soci EXPORT veiculoTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY include/veiculo DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(TARGETS veiculo_cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The host and the library carry the schema compiled in; the scripts are
# installed for database administrators who create a database by hand.
install(DIRECTORY schema/ DESTINATION ${CMAKE_INSTALL_DATADIR}/veiculo/schema
  FILES_MATCHING PATTERN "*.sql")
install(EXPORT veiculoTargets NAMESPACE veiculo:: DESTINATION ${VEICULO_CMAKE_DIR})

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/veiculoConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/veiculoConfig.cmake
  INSTALL_DESTINATION ${VEICULO_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/veiculoConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/veiculoConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/veiculoConfigVersion.cmake
  DESTINATION ${VEICULO_CMAKE_DIR})

# veiculo.pc: paths relative to the file's own place, so that the installed
# tree can be moved (a temporary prefix, a package's root).
file(RELATIVE_PATH VEICULO_PC_TO_PREFIX
  /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
configure_file(${PROJECT_SOURCE_DIR}/cmake/veiculo.pc.in ${CMAKE_CURRENT_BINARY_DIR}/veiculo.pc
  @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/veiculo.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The Debian package: the host, the library for building against it, the
# headers and the schema, under /usr. The shared libraries the host needs are
# found by dpkg-shlibdeps; the embedded Firebird engine is a plug-in the
# client library loads, so it is named by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veiculo)
set(CPACK_PACKAGE_VENDOR "veiculo")
set(CPACK_PACKAGE_CONTACT "veiculo maintainers <veiculo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Vehicle-domain server module of a dealer management system, with its command-line host")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "firebird3.0-server-core")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS
  "libsoci-dev, firebird-dev, libfmt-dev, libpugixml-dev, libcurl4-openssl-dev, nlohmann-json3-dev")
include(CPack)
