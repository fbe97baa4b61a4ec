# The Debian package `kelvaron_<version>_<arch>.deb` of everything `cmake --install` puts into /usr.
# The program is stripped while it is installed, before its digest is written (see src/app). The desktop
# database, the MIME cache and the icon cache are updated by the file triggers of desktop-file-utils,
# shared-mime-info and hicolor-icon-theme, so the package needs no maintainer scripts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvaron)
set(CPACK_PACKAGE_VENDOR "The Kelvaron developers")
set(CPACK_PACKAGE_CONTACT "The Kelvaron developers <kelvaron@kelvaron.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "randomization lists for clinical trials")
set(CPACK_PACKAGE_DESCRIPTION
    "A statistician enters a study design (arms with allocation ratios,
optional study centers, fixed or randomly varying block sizes, a seed) and
gets the list that assigns every patient number to an arm in permuted
blocks. The same design and seed give the same list, byte for byte.
Includes the window (kelvaron) and the command-line tool (kelvaron-cli).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://kelvaron.example)
# The libraries the programs link (Qt Widgets and PrintSupport, the C++ runtime) come from dpkg-shlibdeps;
# the platform plugins and the print form's fonts are loaded at run time and listed here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
# The web address on the information page opens through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
