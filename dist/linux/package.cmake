# The Debian package: `cmake --build build --target package` writes
# tarq-campaign-editor_<version>_<arch>.deb with everything the install rules install, plus the
# copyright file and the change log that Debian asks of every package.

set(TARQ_PACKAGE_MAINTAINER "Tarq Campaign Editor maintainers <maintainers@tarq.example.org>"
    CACHE STRING "Maintainer field of the Debian package and its change log")
set(doc_folder ${CMAKE_INSTALL_DATADIR}/doc/tarq-campaign-editor)

# The change log names the release of project() on the release day, in the form dpkg reads.
execute_process(COMMAND date -u -R -d ${TARQ_RELEASE_DATE}
                OUTPUT_VARIABLE release_time OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/changelog
     "tarq-campaign-editor (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
     "  * Release ${PROJECT_VERSION}.\n\n"
     " -- ${TARQ_PACKAGE_MAINTAINER}  ${release_time}\n")
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
    COMMAND gzip -9nkf ${CMAKE_CURRENT_BINARY_DIR}/changelog
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog
    VERBATIM)
add_custom_target(package-changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
install(FILES copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${doc_folder})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarq-campaign-editor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TARQ_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "campaign editor of the Tarq modification of Veldmark")
set(CPACK_PACKAGE_DESCRIPTION
"A desktop program that creates, opens, edits and saves the campaign files
(.y6c) of the Tarq modification of the strategy game Veldmark, and
tarq-campaign, which reads, converts and unpacks them on the command line.
Both need the game's data files.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# An editor of campaign files, not a game: Debian keeps its games section for programs in
# /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TARQ_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The toolkit's own Russian texts (standard buttons) for a game folder that lacks them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qttranslations5-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_STRIP_FILES ON)
include(CPack)
