# The Debian package. In the build folder, `cpack -G DEB` makes lingvar_<version>_<arch>.deb
# from what `cmake --install` puts under /usr, with the documents Debian asks of every package.

set(LINGVAR_MAINTAINER "The Lingvar team <lingvar@example.org>"
    CACHE STRING "Maintainer named in the Debian package")

# The package's version is the project's; its changelog must have an entry for it.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^lingvar \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog has no entry for version ${PROJECT_VERSION} on top")
endif()

# Debian documents are installed compressed, without a time stamp.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/changelog changelog
    COMMAND gzip -9 -n -f changelog
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/packaging
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog VERBATIM)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
add_custom_target(lingvar_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lingvar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "quiz that weighs how well you know the Serbian language")
set(CPACK_PACKAGE_DESCRIPTION [[
Lingvar (Лингвар) puts twenty questions about the Serbian language to the
player: the spelling of words shown in pictures, the better choice of words,
spelling and punctuation, grammar, and the language's writers, history and
culture. Right answers are paid in opanci, the traditional leather shoes, and
weighed on a steelyard; quick answers earn a bonus point, and the best results
go into a list of thirty.]])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${LINGVAR_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; the fonts are what Qt is asked for by name (Arial and
# Courier New), which fontconfig maps onto their metric-compatible Liberation faces.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Only the package carries its lintian overrides; a plain `cmake --install` has no use for them.
set(CPACK_INSTALLED_DIRECTORIES ${CMAKE_CURRENT_LIST_DIR}/lintian
    ${CPACK_PACKAGING_INSTALL_PREFIX}/share/lintian/overrides)
include(CPack)
