# Installs libveiculo with its public headers and a CMake package config,
# so that an application server can find_package(veiculo).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS veiculo veiculo_soci EXPORT veiculoTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY include/veiculo DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(TARGETS veiculo_cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY schema/ DESTINATION ${CMAKE_INSTALL_DATADIR}/veiculo/schema)
install(EXPORT veiculoTargets NAMESPACE veiculo:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/veiculo)

file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/veiculoConfig.cmake.in [=[
@PACKAGE_INIT@
include(CMakeFindDependencyMacro)
find_dependency(fmt)
find_dependency(nlohmann_json)
find_dependency(pugixml)
find_dependency(CURL)
include("${CMAKE_CURRENT_LIST_DIR}/veiculoTargets.cmake")
]=])
configure_package_config_file(${CMAKE_CURRENT_BINARY_DIR}/veiculoConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/veiculoConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/veiculo)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/veiculoConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/veiculoConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/veiculoConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/veiculo)
