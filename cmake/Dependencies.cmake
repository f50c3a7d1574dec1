# Locates the system libraries listed in scripts/install-deps.

find_package(fmt REQUIRED)
find_package(nlohmann_json REQUIRED)
find_package(CLI11 REQUIRED)
find_package(pugixml REQUIRED)
find_package(CURL REQUIRED)
find_package(Boost REQUIRED) # SOCI's headers need Boost's

# SOCI and Firebird ship no CMake package on Debian: find them by hand.
find_path(SOCI_INCLUDE_DIR soci/soci.h REQUIRED)
find_library(SOCI_CORE_LIBRARY soci_core REQUIRED)
find_library(SOCI_FIREBIRD_LIBRARY soci_firebird REQUIRED)
find_library(SOCI_ODBC_LIBRARY soci_odbc REQUIRED)
find_path(FIREBIRD_INCLUDE_DIR ibase.h REQUIRED)
find_library(FIREBIRD_LIBRARY fbclient REQUIRED)

# Inside the build: the libraries found, with SOCI's and Boost's headers.
# Installed (what a consumer of the static libveiculo links): the same
# libraries by name, found in the system's library folders.
add_library(veiculo_soci INTERFACE)
target_include_directories(veiculo_soci SYSTEM INTERFACE
  $<BUILD_INTERFACE:${SOCI_INCLUDE_DIR}> $<BUILD_INTERFACE:${FIREBIRD_INCLUDE_DIR}>)
target_link_libraries(veiculo_soci INTERFACE
  $<BUILD_INTERFACE:${SOCI_CORE_LIBRARY}> $<BUILD_INTERFACE:${SOCI_FIREBIRD_LIBRARY}>
  $<BUILD_INTERFACE:${SOCI_ODBC_LIBRARY}> $<BUILD_INTERFACE:${FIREBIRD_LIBRARY}>
  $<BUILD_INTERFACE:Boost::headers>
  $<INSTALL_INTERFACE:soci_firebird> $<INSTALL_INTERFACE:soci_odbc>
  $<INSTALL_INTERFACE:soci_core> $<INSTALL_INTERFACE:fbclient>)

if(VEICULO_BUILD_TESTS)
  find_package(GTest REQUIRED)
  find_path(HTTPLIB_INCLUDE_DIR httplib.h REQUIRED)
  # Debian builds cpp-httplib as a shared library next to its header.
  find_library(HTTPLIB_LIBRARY cpp-httplib REQUIRED)
  find_package(Threads REQUIRED)
endif()
if(VEICULO_BUILD_BENCH)
  find_package(benchmark REQUIRED)
endif()
