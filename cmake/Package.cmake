# The Debian package of `scripts/package`: everything `cmake --install` puts in place,
# under /usr, with the libraries it needs found by dpkg-shlibdeps from the binaries.
# (The toolkit's platform plugins and translations come with the toolkit's own
# recommendations.)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kontaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${KONTARO_VENDOR})
set(CPACK_PACKAGE_CONTACT ${KONTARO_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "contribution margin (DB1) of a small sales business")
set(CPACK_PACKAGE_DESCRIPTION [=[
Kontaro keeps the product catalogue of a small shop with dated prices, tax
rates and product groups, and the sales of every day. From them it computes
per day, period and product group the gross and net sales, the purchase cost
and the first-level contribution margin (DB1).

Every view can be printed and exported into an Excel 97 workbook. The report
tool kontaro-report prints the same reports and writes the same workbooks
without a window, from a script. The user interface speaks German.]=])

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KONTARO_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KONTARO_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
