# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: in the build folder, cpack -G DEB makes
# kasnak_VERSION_ARCH.deb with what cmake --install puts in /usr (the
# program, its menu entry, icons and AppStream entry, its manual page in
# English and Turkish) and, in the doc folder, the copyright file, the
# changelog, the Turkish user guide and the README.
if(NOT KASNAK_WINDOW)
  return()
endif()

include(GNUInstallDirs)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The guide with the picture it shows, and the README without its links to
# files of the sources, which are not installed (doc_readme.cmake).
install(FILES ${PROJECT_SOURCE_DIR}/docs/kullanim.md ${PROJECT_SOURCE_DIR}/docs/typical-use.png
              DESTINATION ${CMAKE_INSTALL_DOCDIR})
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/doc/README.md
  COMMAND ${CMAKE_COMMAND} -DIN=${PROJECT_SOURCE_DIR}/README.md -DOUT=${PROJECT_BINARY_DIR}/doc/README.md
          -P ${CMAKE_CURRENT_LIST_DIR}/doc_readme.cmake
  DEPENDS ${PROJECT_SOURCE_DIR}/README.md ${CMAKE_CURRENT_LIST_DIR}/doc_readme.cmake VERBATIM)
install(FILES ${PROJECT_BINARY_DIR}/doc/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The changelog and the manual pages, compressed as Debian compresses them:
# gzip -9n, the most, with no file name or time stamp inside.
find_program(KASNAK_GZIP gzip REQUIRED)
mark_as_advanced(KASNAK_GZIP)
set(KASNAK_COMPRESSED)
function(kasnak_compress source name)
  set(plain ${PROJECT_BINARY_DIR}/compressed/${name})
  add_custom_command(OUTPUT ${plain}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/compressed/man/tr
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${plain}
    COMMAND ${KASNAK_GZIP} -9nf ${plain}
    DEPENDS ${source} VERBATIM)
  set(KASNAK_COMPRESSED ${KASNAK_COMPRESSED} ${plain}.gz PARENT_SCOPE)
endfunction()
kasnak_compress(${CMAKE_CURRENT_LIST_DIR}/changelog changelog)
kasnak_compress(${PROJECT_SOURCE_DIR}/docs/kasnak.1 man/kasnak.1)
kasnak_compress(${PROJECT_SOURCE_DIR}/docs/kasnak.tr.1 man/tr/kasnak.1)
add_custom_target(compressed-docs ALL DEPENDS ${KASNAK_COMPRESSED} ${PROJECT_BINARY_DIR}/doc/README.md)
install(FILES ${PROJECT_BINARY_DIR}/compressed/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_BINARY_DIR}/compressed/man/kasnak.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_BINARY_DIR}/compressed/man/tr/kasnak.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/tr/man1)

set(CPACK_PACKAGE_NAME kasnak)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The program is stripped in the staging folder as Debian strips it.
set(CPACK_KASNAK_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/strip_package.cmake)
set(CPACK_PACKAGE_CONTACT "kasnak maintainers <maintainers@kasnak.example.org>")
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
sarım açısını, kayış boyunu, kayış hızını, kasnak genişliğini, tek kanalın
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
