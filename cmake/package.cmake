# The Debian package: `cpack -G DEB` in the build folder packs what `cmake --install` installs.
# Depends is worked out from the shared libraries the program links (dpkg-shlibdeps).
set(CPACK_PACKAGE_NAME tintwell)
set(CPACK_PACKAGE_VENDOR "The Tintwell developers")
set(CPACK_PACKAGE_CONTACT "The Tintwell developers <tintwell@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://tintwell.example.org)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour picker for designers and web developers")
set(CPACK_PACKAGE_DESCRIPTION
    "Tintwell lives as a slim bar on the desktop and an icon in the notification
area. It picks colours from anywhere on the screen with a magnifying eye
dropper or a global hotkey, collects them in a palette of up to 20 slots,
and copies their values as HEX, RGB, HSL, HSV, CMYK, source-code notations
or templates of the user's own. It also offers a colour spectrum, named
colours, palette exports and page layouts to try colours in.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tintwell)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window texts are laid out for Tahoma's metrics, which fonts-wine has.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-wine)
include(CPack)
