# `make package`: a Debian package of the program, its desktop data and its manual page.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME duelmark)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Duelmark maintainers <maintainers@users.noreply.c-seed-0e6f129f.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "automatic turn-based fight between a Hero and up to five Enemies")
set(CPACK_PACKAGE_DESCRIPTION
    "Duelmark stages an automatic, turn-based fight between one Hero and one to five\nEnemies and lets you watch it. You set the fighters' statistics and the number\nof Enemies; a battle window then acts out every move, and a report names the\nwinner.")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)
# Stripped as Debian's own tools strip a program: also without the compiler's notes in .comment.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/duelmark\"
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A game: Debian puts its program in /usr/games (the package preset does).
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the binary itself; the fonts are drawn by name, so they are listed.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-comic-neue")
include(CPack)
