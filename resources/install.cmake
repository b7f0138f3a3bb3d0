# SPDX-FileCopyrightText: 2026 Wendrix
#
# SPDX-License-Identifier: MIT

# Installation and the Debian packages. One component for the program, one for tavro-cli and one
# per language, each its own package:
#   tool     tavro-tool: the program, the desktop entry, icons, AppStream data, its man page,
#            copyright and changelog (every rule without a COMPONENT); it recommends tavro-cli;
#   cli      tavro-cli: tavro-cli, its bash completion and man page, copyright and changelog, with
#            QtCore alone, for servers without a display;
#   l10n_XX  tavro-tool-l10n-XX: the catalogue of language XX (TAVRO_LANGUAGES) and the man pages
#            in it, for the exact same version of the program. They install side by side; each
#            user gets their own.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME tool)

set(TAVRO_APP_ID example.wendrix.TavroTool)
set(tavro_resources ${CMAKE_CURRENT_LIST_DIR})

# The files that tell the version (man pages, changelog, AppStream release) get it from CMake.
set(tavro_configured ${CMAKE_CURRENT_BINARY_DIR}/resources)
foreach(name tavro-tool.1 tavro-cli.1 debian/changelog ${TAVRO_APP_ID}.metainfo.xml)
    configure_file(${tavro_resources}/${name}.in ${tavro_configured}/${name} @ONLY)
endforeach()

# A catalogue named lang.qm in the program's own folder comes before the user's language, so that
# folder has to be one of its own: /usr/libexec/tavro-tool, not /usr/bin. /usr/bin/tavro-tool is a
# relative link to it; Qt resolves the link, so the program still looks in its real folder.
if(UNIX)
    set(tavro_programdir ${CMAKE_INSTALL_LIBEXECDIR}/tavro-tool)
    install(TARGETS tavro-tool RUNTIME DESTINATION ${tavro_programdir})
    file(RELATIVE_PATH tavro_link_target ${CMAKE_INSTALL_FULL_BINDIR}
         ${CMAKE_INSTALL_FULL_LIBEXECDIR}/tavro-tool/tavro-tool)
    file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/links)
    file(CREATE_LINK ${tavro_link_target} ${CMAKE_CURRENT_BINARY_DIR}/links/tavro-tool SYMBOLIC)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/links/tavro-tool DESTINATION ${CMAKE_INSTALL_BINDIR})
else()
    set(tavro_programdir ${CMAKE_INSTALL_BINDIR})
    install(TARGETS tavro-tool RUNTIME DESTINATION ${tavro_programdir})
endif()

# The command-line companion, with its bash completion where bash-completion looks for it.
if(TARGET tavro-cli)
    install(TARGETS tavro-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT cli)
    install(FILES ${tavro_resources}/completion/tavro-cli
            DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions COMPONENT cli)
endif()

install(FILES ${tavro_resources}/${TAVRO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${tavro_configured}/${TAVRO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${tavro_resources}/${TAVRO_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${TAVRO_APP_ID}.xml)
foreach(size 16 32 48 64 128 256)
    install(FILES ${tavro_resources}/icons/hicolor/${size}x${size}/${TAVRO_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

set(tavro_components tool cli)
set(tavro_packages tavro-tool tavro-cli)
if(QT STREQUAL Qt6)
    set(tavro_qt_translations_package qt6-translations-l10n)
else()
    set(tavro_qt_translations_package qttranslations5-l10n)
endif()
foreach(language IN LISTS TAVRO_LANGUAGES)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/translations/tavro_${language}.qm
            DESTINATION ${TAVRO_TRANSLATIONS_INSTALL_DIR} COMPONENT l10n_${language})
    list(APPEND tavro_components l10n_${language})
    list(APPEND tavro_packages tavro-tool-l10n-${language})
endforeach()

# Debian wants the man page and the changelog compressed the reproducible way (no timestamp), and
# the copyright and changelog in every package's own documentation folder (Qt's CMake files have
# already cached a documentation folder named after the project, so it is spelt out here).
find_program(GZIP_EXECUTABLE gzip)
if(GZIP_EXECUTABLE)
    set(tavro_gz_dir ${CMAKE_CURRENT_BINARY_DIR}/compressed)
    foreach(name tavro-tool.1 tavro-cli.1 changelog)
        if(name STREQUAL "changelog")
            set(source ${tavro_configured}/debian/changelog)
        else()
            set(source ${tavro_configured}/${name})
        endif()
        add_custom_command(OUTPUT ${tavro_gz_dir}/${name}.gz
            COMMAND ${CMAKE_COMMAND} -E make_directory ${tavro_gz_dir}
            COMMAND ${GZIP_EXECUTABLE} -9nc ${source} > ${tavro_gz_dir}/${name}.gz
            DEPENDS ${source} VERBATIM)
    endforeach()
    add_custom_target(tavro_compressed_docs ALL
        DEPENDS ${tavro_gz_dir}/tavro-tool.1.gz ${tavro_gz_dir}/tavro-cli.1.gz
                ${tavro_gz_dir}/changelog.gz)
    install(FILES ${tavro_gz_dir}/tavro-tool.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    if(TARGET tavro-cli)
        install(FILES ${tavro_gz_dir}/tavro-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
                COMPONENT cli)
    endif()
endif()

# The man pages in each language, for its language package: made from the English pages by po4a
# with translations/man/XX.po (see manpages.cmake). Without po4a they are left out and every user
# reads the English pages; script/run needs none, and script/bootstrap installs it for packaging.
if(PO4A_EXECUTABLE AND GZIP_EXECUTABLE)
    set(tavro_man_pages tavro-tool)
    if(TARGET tavro-cli)
        list(APPEND tavro_man_pages tavro-cli)
    endif()
    set(tavro_man_dir ${CMAKE_CURRENT_BINARY_DIR}/man)
    set(tavro_man_languages "")
    set(tavro_translated_pages "")
    foreach(language IN LISTS TAVRO_LANGUAGES)
        set(po ${CMAKE_CURRENT_SOURCE_DIR}/translations/man/${language}.po)
        if(NOT EXISTS ${po})
            continue()
        endif()
        list(APPEND tavro_man_languages ${language})
        set(pages "")
        foreach(page IN LISTS tavro_man_pages)
            list(APPEND pages ${tavro_man_dir}/${language}/${page}.1.gz)
        endforeach()
        list(APPEND tavro_translated_pages ${pages})
        install(FILES ${pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/${language}/man1
                COMPONENT l10n_${language})
    endforeach()
    file(GLOB tavro_man_catalogues ${CMAKE_CURRENT_SOURCE_DIR}/translations/man/*.po)
    add_custom_command(OUTPUT ${tavro_translated_pages}
        COMMAND ${CMAKE_COMMAND} -DPO4A=${PO4A_EXECUTABLE} -DGZIP=${GZIP_EXECUTABLE}
                -DSOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR} -DOUTPUT_DIR=${tavro_man_dir}
                -DPROJECT_VERSION=${PROJECT_VERSION} "-DLANGUAGES=${tavro_man_languages}"
                "-DPAGES=${tavro_man_pages}" -P ${tavro_resources}/manpages.cmake
        DEPENDS ${tavro_resources}/manpages.cmake ${tavro_resources}/tavro-tool.1.in
                ${tavro_resources}/tavro-cli.1.in ${tavro_man_catalogues}
                ${CMAKE_CURRENT_SOURCE_DIR}/translations/man/po4a.cfg
        COMMENT "Translating the man pages with po4a" VERBATIM)
    add_custom_target(tavro_translated_man ALL DEPENDS ${tavro_translated_pages})
else()
    message(STATUS "po4a not found: the man pages are English only")
endif()

foreach(component package IN ZIP_LISTS tavro_components tavro_packages)
    set(docdir ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package})
    if(GZIP_EXECUTABLE)
        install(FILES ${tavro_gz_dir}/changelog.gz DESTINATION ${docdir} COMPONENT ${component})
    endif()
    install(FILES ${tavro_resources}/debian/copyright DESTINATION ${docdir} COMPONENT ${component})
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavro-tool)
set(CPACK_PACKAGE_VERSION ${TAVRO_PACKAGE_VERSION})
set(CPACK_PACKAGE_VENDOR Wendrix)
set(CPACK_PACKAGE_CONTACT "Wendrix Service Tools <tools@wendrix.example>")
set(CPACK_DEBIAN_PACKAGE_VERSION ${TAVRO_PACKAGE_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The program looks for the catalogues under the prefix it was built for (TAVRO_TRANSLATIONS_DIR),
# so the packages must be built for the prefix they install into; cpack refuses otherwise.
if(NOT CMAKE_INSTALL_PREFIX STREQUAL CPACK_PACKAGING_INSTALL_PREFIX)
    set(tavro_prefix_check ${CMAKE_CURRENT_BINARY_DIR}/tavro-cpack-prefix-check.cmake)
    file(WRITE ${tavro_prefix_check} "message(FATAL_ERROR \"The packages install into \
${CPACK_PACKAGING_INSTALL_PREFIX}, but this build looks for its catalogues under \
${CMAKE_INSTALL_PREFIX}: configure with -DCMAKE_INSTALL_PREFIX=${CPACK_PACKAGING_INSTALL_PREFIX}\")\n")
    set(CPACK_PROJECT_CONFIG_FILE ${tavro_prefix_check})
endif()
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Each description starts with its own package's synopsis; CPack would otherwise put the
# project's description in front of both.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "")

set(CPACK_DEBIAN_TOOL_PACKAGE_NAME tavro-tool)
set(CPACK_DEBIAN_TOOL_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_TOOL_PACKAGE_SHLIBDEPS ON)
# The German package before the revision put lang.qm beside the program, where it would now win over every
# user's language: the program must not stay installed with it.
set(CPACK_DEBIAN_TOOL_PACKAGE_BREAKS "tavro-tool-l10n-de (<< ${TAVRO_PACKAGE_VERSION})")
# The window does without tavro-cli, but whoever installs the one mostly wants the other.
set(CPACK_DEBIAN_TOOL_PACKAGE_RECOMMENDS tavro-cli)
set(CPACK_DEBIAN_TOOL_DESCRIPTION
    "${PROJECT_DESCRIPTION}
Tavro Tool opens a 512-byte EEPROM image of a Tavro washing-machine control
board, checks its length, engine type and checksum, and shows the product
code, engine, control board, checksum verdict, last error and the counters
of the fourteen errors E0 to ED. It also writes a cleaned copy of the image
with the error history set to zero.
.
The command-line companion for whole batches of dumps is in the package
tavro-cli.")

set(CPACK_DEBIAN_CLI_PACKAGE_NAME tavro-cli)
set(CPACK_DEBIAN_CLI_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_CLI_PACKAGE_SHLIBDEPS ON)
# /usr/bin/tavro-cli, its man page and completion came with tavro-tool before this revision.
set(CPACK_DEBIAN_CLI_PACKAGE_BREAKS "tavro-tool (<< ${TAVRO_PACKAGE_VERSION})")
set(CPACK_DEBIAN_CLI_PACKAGE_REPLACES "tavro-tool (<< ${TAVRO_PACKAGE_VERSION})")
set(CPACK_DEBIAN_CLI_DESCRIPTION
    "command-line checks of Tavro washing-machine EEPROM dumps
tavro-cli makes the checks of Tavro Tool on whole batches of 512-byte EEPROM
images of Tavro washing-machine control boards, from scripts and without a
display: reports as text, JSON, JSON Lines or CSV, filtered by verdict or last
error, a summary of a fleet, cleaned copies, the comparison of two reads or
two folders of reads, and conversion. It reads the binary images and the
Intel HEX and Motorola S-record files that device programmers write. It
needs QtCore alone, so it installs on a server without a graphical desktop.")

set(tavro_language_name_de German)
set(tavro_language_name_es Spanish)
set(tavro_language_name_fr French)
set(tavro_language_name_it Italian)
set(tavro_language_name_pl Polish)
set(tavro_language_name_ru Russian)
set(tavro_language_name_tr Turkish)
foreach(language IN LISTS TAVRO_LANGUAGES)
    set(name ${tavro_language_name_${language}})
    if(NOT name)
        message(FATAL_ERROR "resources/install.cmake: no English name for the language ${language}")
    endif()
    string(TOUPPER "L10N_${language}" component)
    set(CPACK_DEBIAN_${component}_PACKAGE_NAME tavro-tool-l10n-${language})
    set(CPACK_DEBIAN_${component}_PACKAGE_ARCHITECTURE all)
    set(CPACK_DEBIAN_${component}_PACKAGE_SECTION localization)
    # Either program of this very version: a server with tavro-cli alone gets its language too.
    set(CPACK_DEBIAN_${component}_PACKAGE_DEPENDS
        "tavro-tool (= ${TAVRO_PACKAGE_VERSION}) | tavro-cli (= ${TAVRO_PACKAGE_VERSION})")
    # Qt's own catalogues translate the file dialogs and their questions.
    set(CPACK_DEBIAN_${component}_PACKAGE_RECOMMENDS ${tavro_qt_translations_package})
    set(CPACK_DEBIAN_${component}_DESCRIPTION
        "${name} translation of Tavro Tool
Tavro Tool checks and cleans EEPROM dumps of Tavro washing-machine control
boards. This package translates its window, the text reports of tavro-cli
and the man pages into ${name}, for every user whose language is
${name}. Other users of the same computer keep their own language.")
endforeach()
include(CPack)
