# `make package`: a Debian package of the installed program. dpkg-shlibdeps finds the shared
# libraries (Qt, espeak-ng, the C++ runtime); what the program only opens at run time is listed.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ravlo)
set(CPACK_PACKAGE_VENDOR "ケオル舎")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fraction calculator for school arithmetic (分数計算器ラヴロ)")
set(CPACK_PACKAGE_DESCRIPTION
    "Ravlo is a fraction calculator with a Japanese user interface. Every key is\n\
checked as it is typed; the exact answer is drawn in built-up form, and the\n\
worked solution of sums, differences, products and quotients of fractions is\n\
written out step by step. It converts numbers, solves linear equations and keeps\n\
a notebook of problems that can be computed, read aloud and printed.\n\
ravlo-cli computes, checks and draws the same expressions without a window.")
set(RAVLO_MAINTAINER "Ravlo maintainers <maintainers@ravlo.example.org>" CACHE STRING
    "Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT "${RAVLO_MAINTAINER}")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${RAVLO_WEB_BASE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Japanese voice, the fonts the program substitutes for the MS fonts, the Japanese texts
# of Qt's standard buttons, and the icon theme without whose index Qt finds no icon.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "espeak-ng-data, fonts-ipafont-gothic, fonts-ipafont-mincho, qt6-translations-l10n, hicolor-icon-theme")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)

include(CPack)
