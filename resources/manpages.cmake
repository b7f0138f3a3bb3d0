# SPDX-FileCopyrightText: 2026 Wendrix
#
# SPDX-License-Identifier: MIT

# Makes the man pages in every language that translations/man has a catalogue for (cmake -P, run
# by the build; see install.cmake). po4a writes each English page with the paragraphs of XX.po,
# then the version goes in as in the English pages, and each page is compressed the reproducible
# way Debian wants. A paragraph that XX.po has no translation for (new or changed in English)
# stays English: the page is still made, and the build says how much of it is translated. The
# build decides when to run this, so po4a is told not to judge by dates itself (--force).
#   cmake -DPO4A=... -DGZIP=... -DSOURCE_DIR=... -DOUTPUT_DIR=... -DPROJECT_VERSION=...
#         -DLANGUAGES="de;es" -DPAGES="tavro-tool;tavro-cli" -P manpages.cmake
execute_process(
    COMMAND ${PO4A} --verbose --no-update --force --srcdir ${SOURCE_DIR} --destdir ${OUTPUT_DIR}
            ${SOURCE_DIR}/translations/man/po4a.cfg
    OUTPUT_VARIABLE said ERROR_VARIABLE said RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "po4a could not write the translated man pages:\n${said}")
endif()
string(REGEX MATCHALL "[^\n]* is [0-9.]+% translated[^\n]*" counts "${said}")
foreach(count IN LISTS counts)
    if(NOT count MATCHES " is 100% translated")
        message(WARNING "The man page ${count} What is not translated stays English until "
                        "translations/man has it: cmake --build BUILD --target "
                        "update_translations, then translate what the catalogues mark new or fuzzy.")
    endif()
endforeach()

foreach(language IN LISTS LANGUAGES)
    foreach(page IN LISTS PAGES)
        set(page_file ${OUTPUT_DIR}/${language}/${page}.1)
        configure_file(${page_file}.in ${page_file} @ONLY)
        execute_process(COMMAND ${GZIP} -9nc ${page_file} OUTPUT_FILE ${page_file}.gz
                        RESULT_VARIABLE failed)
        if(failed)
            message(FATAL_ERROR "gzip could not compress ${page_file}")
        endif()
    endforeach()
endforeach()
