# Installing the game as a desktop program, and its Debian package.
#
#   cmake --preset release && cmake --build --preset release
#   cd build/release && cpack -G DEB
#
# makes kelvarin_<version>_<arch>.deb. Its dependencies are the libraries the
# program links (worked out by dpkg-shlibdeps) and what it only loads at run
# time: Qt's platform plugins, the GStreamer plugins for music and clips, and
# the fonts the screens are drawn with.

set(KELVARIN_DESKTOP ${CMAKE_SOURCE_DIR}/resources/desktop)

install(TARGETS kelvarin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Saved games never belong to the installed data, should any lie in the folder.
install(DIRECTORY ${KELVARIN_DATA_SOURCE}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/kelvarin
        PATTERN "*.sav" EXCLUDE PATTERN "*.sav~*" EXCLUDE)
install(FILES ${KELVARIN_DESKTOP}/kelvarin.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KELVARIN_DESKTOP}/org.kelvarin.kelvarin.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 48 64 128 256)
    install(FILES ${KELVARIN_DESKTOP}/icons/${size}/kelvarin.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${KELVARIN_DESKTOP}/kelvarin.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The desktop entry and the software-centre metadata are checked with the
# validators the desktops use (pedantic, with nothing to say), and for what
# software centres show of them.
find_program(KELVARIN_APPSTREAMCLI appstreamcli)
find_program(KELVARIN_DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(KELVARIN_PYTHON python3)
if(KELVARIN_APPSTREAMCLI AND KELVARIN_DESKTOP_FILE_VALIDATE AND KELVARIN_PYTHON)
    add_test(NAME desktop_metadata
             COMMAND ${KELVARIN_PYTHON} ${CMAKE_SOURCE_DIR}/tests/packaging/metadata_check.py
                     ${KELVARIN_APPSTREAMCLI} ${KELVARIN_DESKTOP_FILE_VALIDATE}
                     ${KELVARIN_DESKTOP}/org.kelvarin.kelvarin.metainfo.xml
                     ${KELVARIN_DESKTOP}/kelvarin.desktop)
endif()

set(CPACK_PACKAGE_NAME kelvarin)
set(CPACK_PACKAGE_VENDOR "The Kelvarin developers")
set(CPACK_PACKAGE_CONTACT "The Kelvarin developers <games@kelvarin.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "educational journey along the Verunai removal trail")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Kelvarin is an adventure for children from nine to thirteen and their teachers.\n"
    "The player leads a party of seven travellers along the removal trail of the\n"
    "Verunai people, town by town, hearing the stories of the spirits of the past,\n"
    "trading, fishing and caring for the party on the way. Played with the mouse or\n"
    "the keyboard alone, and with a screen reader.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kelvarin.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-libav, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, pulseaudio | pipewire-pulse")
include(CPack)
