# The Debian package: `cpack -G DEB` in the build folder makes torvane_<version>_<arch>.deb with
# what `cmake --install` puts under /usr, stripped, and the dependencies that dpkg-shlibdeps
# finds from the libraries the programs link, plus what the program loads at run time.
set(CPACK_PACKAGE_NAME torvane)
set(CPACK_PACKAGE_VENDOR "Torvane 開発チーム")
set(CPACK_PACKAGE_CONTACT "Torvane 開発チーム <torvane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "two-player board game of the shogi family with animal pieces")
# CPack indents the lines and turns the empty one into Debian's paragraph mark.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Nine animal pieces ranked by strength play on a 9 x 9 board; a stronger
animal takes a weaker one, except that the Elephant never takes the Rat and
the Rat takes the Elephant. Captured pieces go to the hand and may be
dropped back onto the board.

Two players share one computer or play over one TCP connection with chat,
or one plays against the computer. Clocks with a time limit, a game record,
background music and pictures. The user interface is in Japanese.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://torvane.example.org")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, not linked: the Japanese face of the texts, the sound font of the MIDI
# music and the media backend of the sound effects and music.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, timgm6mb-soundfont | fluid-soundfont-gm, gstreamer1.0-plugins-good")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-aoyagi-kouzan-t")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
# Debian keeps the programs of games in /usr/games: they move there once installed into the
# package's folder. The program finds its engine beside itself and its help in ../share.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianGamesDir.cmake)
include(CPack)

# The package's change log, as Debian keeps it: compressed without a time stamp.
set(TORVANE_CHANGELOG ${PROJECT_BINARY_DIR}/share/doc/changelog.gz)
add_custom_command(OUTPUT ${TORVANE_CHANGELOG}
    COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/assets/changelog > ${TORVANE_CHANGELOG}
    DEPENDS ${PROJECT_SOURCE_DIR}/assets/changelog VERBATIM)
add_custom_target(torvane_changelog ALL DEPENDS ${TORVANE_CHANGELOG})
install(FILES ${TORVANE_CHANGELOG} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/torvane)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/torvane
    RENAME copyright)
