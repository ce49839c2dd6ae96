# What `cmake --install` puts where, and the Debian package CPack makes of it (`cpack -G DEB`).
# The programs themselves are installed by app/ and cli/; this file adds everything around them.
include(GNUInstallDirs)

set(ORVANTA_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)
set(ORVANTA_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/orvanta)
set(ORVANTA_GENERATED ${PROJECT_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${ORVANTA_GENERATED})

# Debian wants manual pages and changelogs compressed without a time stamp (-n), so that the
# same sources always give the same package.
function(orvanta_gzip source target_file)
    add_custom_command(OUTPUT ${target_file}
        COMMAND sh -c "gzip -9n < \"$1\" > \"$2\"" gzip ${source} ${target_file}
        DEPENDS ${source}
        VERBATIM)
endfunction()

set(ORVANTA_MAN_PAGES orvanta-cli.1)
if(ORVANTA_BUILD_GUI)
    list(APPEND ORVANTA_MAN_PAGES orvanta.1)
endif()
set(ORVANTA_GZIPPED)
foreach(page IN LISTS ORVANTA_MAN_PAGES)
    orvanta_gzip(${ORVANTA_PACKAGING}/man/${page} ${ORVANTA_GENERATED}/${page}.gz)
    list(APPEND ORVANTA_GZIPPED ${ORVANTA_GENERATED}/${page}.gz)
    install(FILES ${ORVANTA_GENERATED}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
orvanta_gzip(${ORVANTA_PACKAGING}/changelog ${ORVANTA_GENERATED}/changelog.gz)
list(APPEND ORVANTA_GZIPPED ${ORVANTA_GENERATED}/changelog.gz)
add_custom_target(orvanta_compressed_docs ALL DEPENDS ${ORVANTA_GZIPPED})

install(FILES ${ORVANTA_PACKAGING}/copyright ${ORVANTA_GENERATED}/changelog.gz
    DESTINATION ${ORVANTA_DOC_DIR})

if(ORVANTA_BUILD_GUI)
    # The manual and its pictures; the program opens them from ../share/orvanta.
    install(FILES ${PROJECT_SOURCE_DIR}/docs/manual.html DESTINATION ${CMAKE_INSTALL_DATADIR}/orvanta)
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/images DESTINATION ${CMAKE_INSTALL_DATADIR}/orvanta)

    install(FILES ${ORVANTA_PACKAGING}/org.orvanta.Orvanta.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${ORVANTA_PACKAGING}/org.orvanta.Orvanta.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

    # One drawing, rendered at every size the icon theme asks for.
    set(ORVANTA_ICON_SVG ${ORVANTA_PACKAGING}/icons/orvanta.svg)
    set(ORVANTA_HICOLOR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    install(FILES ${ORVANTA_ICON_SVG} DESTINATION ${ORVANTA_HICOLOR}/scalable/apps)
    find_program(RSVG_CONVERT rsvg-convert)
    if(RSVG_CONVERT)
        set(ORVANTA_ICON_PNGS)
        foreach(size 16 32 48 64 128 256)
            set(png ${ORVANTA_GENERATED}/icons/${size}x${size}/orvanta.png)
            add_custom_command(OUTPUT ${png}
                COMMAND ${CMAKE_COMMAND} -E make_directory ${ORVANTA_GENERATED}/icons/${size}x${size}
                COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${png}
                        ${ORVANTA_ICON_SVG}
                DEPENDS ${ORVANTA_ICON_SVG}
                VERBATIM)
            list(APPEND ORVANTA_ICON_PNGS ${png})
            install(FILES ${png} DESTINATION ${ORVANTA_HICOLOR}/${size}x${size}/apps)
        endforeach()
        add_custom_target(orvanta_icons ALL DEPENDS ${ORVANTA_ICON_PNGS})
    else()
        message(WARNING "rsvg-convert (Debian package librsvg2-bin) not found: "
                        "the icons are installed as SVG only")
    endif()
endif()

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvanta)
set(CPACK_PACKAGE_VENDOR "Orvanta developers")
set(CPACK_PACKAGE_CONTACT "Orvanta developers <devel@orvanta.example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "keywords meta tag writer for HTML pages")
set(CPACK_PACKAGE_DESCRIPTION
    "Orvanta reads an HTML page and writes its keywords meta tag. It weighs every
word by where it stands (the title, the description and keywords meta tags,
headings, bold text, tables, larger fonts), leaves out short, common and
derived words, folds plurals onto their singulars, and puts the heaviest words
into one tag, within the number of keywords and bytes chosen. It can also list
every qualifying word with its rank, value and frequency, and show the tag a
page already has. Pages are only read, never changed.

The package holds the desktop program orvanta, its manual, and the command
orvanta-cli, which does the same analysis without a window for many files.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Folders in the package get the usual 0755 whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(ORVANTA_BUILD_GUI)
    # Qt's libraries only recommend the plug-ins that draw on a screen; the window needs them.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
    # Keywords in Chinese, Japanese and Korean need a font that has their characters; a fresh
    # desktop may have none and would show boxes. (ICU, libicu72, comes through shlibdeps.)
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
endif()
include(CPack)
