# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: in the build folder, cpack -G DEB makes
# kasnak_VERSION_ARCH.deb with what cmake --install puts in /usr (the
# program, its menu entry, icons and AppStream entry) and the copyright file.
if(NOT KASNAK_WINDOW)
  return()
endif()

include(GNUInstallDirs)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME kasnak)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "kasnak maintainers <maintainers@users.noreply.c-seed-c9000198.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Poly-V belt drive calculator for screw compressors")
# Debian's one Description field: the summary line above, then the English
# text and a Turkish paragraph after it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
Kasnak Hesabı sizes a ribbed (Poly-V) belt drive between an electric motor
and the screw of a screw compressor: from the motor, the screw speed, the two
pulleys, the belt profile (PJ, PK, PL or PM) and the rib count it finds the
centre distance, the wrap angle, the belt length, the belt speed, the pulley
width, the power per rib and the total belt power. The window's captions are
in Turkish.

Kasnak Hesabı, bir elektrik motoru ile vidalı kompresörün vidası arasındaki
Poly-V kayış tahrikini hesaplar: motordan, vida devrinden, iki kasnaktan,
kayış tipinden (PJ, PK, PL ya da PM) ve kanal sayısından eksen mesafesini,
kavrama açısını, kayış boyunu, kayış hızını, kasnak genişliğini, tek kanalın
gücünü ve toplam kayış gücünü bulur.]])

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Debian's section for science and engineering programs.
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries the program links come from dpkg-shlibdeps; Qt's X11 platform
# plugin is in libqt6gui6 among them. Qt's own Turkish messages
# (qtbase_tr.qm) come from a package that no link shows.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)

include(CPack)
