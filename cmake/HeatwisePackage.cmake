# The Debian package of Heatwise, made by CPack's DEB generator from the installation's
# component "heatwise" (see app/install): the programs, their data, the desktop entry and
# icons, the software centre's description, the manual pages and the copyright. The toolkit's
# headers and libraries for other projects are not part of it. scripts/package configures a
# Release build with Debian's build flags and makes build/package/heatwise_VERSION_ARCH.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME heatwise)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Heatwise")
set(CPACK_PACKAGE_CONTACT "Heatwise maintainers <maintainers@users.noreply.c-seed-4cd35206.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# One package holding the component "heatwise" alone.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL heatwise)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_NAME heatwise)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# The libraries the programs need are found by dpkg-shlibdeps from the programs themselves.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "estimate the yearly cost of cooling and heating a building")
# The summary is the description's first line; this is the text below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Heatwise estimates the yearly cost of cooling and of heating a building by the
temperature bin method, for 211 weather stations in the United States, the
building's equipment, the energy prices and the thermostat schedule.

The package holds the desktop program heatwise, a form that recalculates as
values are entered, with help, and the command-line estimator heatwise-cli,
which prints the same estimates for one city or compares all cities as text,
CSV or JSON.")

include(CPack)
