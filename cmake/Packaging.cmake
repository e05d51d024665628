# What `cmake --install` puts beside the programs (each folder installs its own program, desktop
# entry and icons): the guides and the examples. And the Debian package `make package` builds
# from the same install, its dependencies found by dpkg-shlibdeps from the programs' libraries.
include(GNUInstallDirs)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/kestrelon)
install(FILES README.md docs/scripting.md docs/preview.md docs/project-file.md docs/farm.md
        DESTINATION ${doc_dir})
install(DIRECTORY docs/images DESTINATION ${doc_dir})
install(DIRECTORY examples/ DESTINATION ${doc_dir}/examples PATTERN .gitattributes EXCLUDE)
install(PROGRAMS scripts/farm/battle-array.sbatch scripts/farm/collect-scenes.sh
        DESTINATION ${doc_dir}/farm)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrelon)
set(CPACK_PACKAGE_VENDOR "Kestrelon")
set(CPACK_PACKAGE_CONTACT "Kestrelon developers <kestrelon@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "battle-scene generator for An8 animation scenes")
set(CPACK_PACKAGE_DESCRIPTION "Kestrelon turns a description of a battle (unit types, deployment \
boxes on a map and one VBScript AI script per type) into an animated An8 scene. The package \
holds the windowed program kestrelon, the figure duplicator tessary and the command-line tool \
kestrelon-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)
