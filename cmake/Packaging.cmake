# `cmake --install` puts the program, its desktop entry and its icon where a
# desktop looks for them; `make package` (cpack) wraps the same files in a
# .deb that names what the program needs to run.
include(GNUInstallDirs)

install(TARGETS answerbook RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/answerbook.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/answerbook.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME answerbook)
set(CPACK_PACKAGE_VENDOR "answerbook maintainers")
set(CPACK_PACKAGE_CONTACT "answerbook maintainers <maintainers@users.noreply.c-seed-924f40c2.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "answer an assignment line by line, with a written record for the instructor")
set(CPACK_PACKAGE_DESCRIPTION
    "answerbook walks a distance student through an assignment line by line.
Every answer, critique or note is appended at once, with time stamps and
the line it answers, to plain-text record files that the instructor
collects.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The Qt libraries and the C++ runtime come from the program's own links;
# Arial in the text boxes is met by the metric-compatible Liberation Sans.
# The input and message boxes use the desktop's sans-serif face: on a
# machine with no other fonts than Liberation, fontconfig would give them
# Liberation Mono.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
include(CPack)
