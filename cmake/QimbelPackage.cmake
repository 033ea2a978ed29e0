# ./qimbel.sh package: a Debian package of the installed tree (cmake/QimbelInstall.cmake).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qimbel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Qimbel developers")
set(CPACK_PACKAGE_CONTACT "Qimbel developers <dev@qimbel.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "maths tutor that writes complete worked solutions in Chinese")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Qimbel is a maths tutor for Chinese pupils, from the first years of primary\n"
  "school to junior middle school. A pupil types a problem; Qimbel solves it and\n"
  "writes the complete worked solution in Chinese, one step per line, in the words\n"
  "a teacher writes on the blackboard.\n"
  "\n"
  "The package holds the program (qimbel) and its command line (qimbel-cli).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QIMBEL_HOMEPAGE})
# The libraries the programs link come from dpkg-shlibdeps; the window also needs the X11
# platform plugin of Qt, a fixed-pitch CJK font with Chinese characters two columns wide, and
# Qt's Chinese translations for the buttons and dialogs that Qt itself draws, and Qt SQL's SQLite
# driver, a plugin that the 错题本 loads at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, fonts-wqy-zenhei | fonts-noto-cjk, qt6-translations-l10n, libqt6sql6-sqlite")
include(CPack)
