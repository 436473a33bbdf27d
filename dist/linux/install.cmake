# What `cmake --install` puts where on Linux: the program, its shipped data
# (read-only: each user works on a copy in the per-user data folder), the
# desktop entry, icons, AppStream metadata and the udev rule that lets the
# user at the seat open the mouse without root.
include(GNUInstallDirs)

# udev reads /usr/lib/udev/rules.d and /etc/udev/rules.d, never a folder below
# /usr/local: a packager installs to /usr, a person copies the rule (README).
set(Q530_UDEV_RULES_DIR "lib/udev/rules.d" CACHE STRING
    "Where the udev rule is installed; a relative path is below the install prefix")

set(q530_dist "${CMAKE_CURRENT_LIST_DIR}")
set(q530_id com.stellarc.q530)
set(q530_made "${PROJECT_BINARY_DIR}/dist")

# The files that carry the version get it from project(); manual pages and the
# changelog are compressed as Debian keeps them (gzip -n: no name or time in
# them, so two builds give the same bytes).
configure_file(${q530_dist}/${q530_id}.metainfo.xml.in ${q530_made}/${q530_id}.metainfo.xml @ONLY)
# The release day as the Debian changelog writes it ("Tue, 08 Dec 2026"), the
# weekday by Zeller's congruence.
string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" q530_day "${Q530_RELEASE_DATE}")
set(q530_y ${CMAKE_MATCH_1})
math(EXPR q530_m "${CMAKE_MATCH_2}")
math(EXPR q530_d "${CMAKE_MATCH_3}")
if(q530_m LESS 3)
    math(EXPR q530_zm "${q530_m} + 12")
    math(EXPR q530_zy "${q530_y} - 1")
else()
    set(q530_zm ${q530_m})
    set(q530_zy ${q530_y})
endif()
math(EXPR q530_wd "(${q530_d} + (13 * (${q530_zm} + 1)) / 5 + ${q530_zy} % 100 + (${q530_zy} % 100) / 4 + (${q530_zy} / 100) / 4 + 5 * (${q530_zy} / 100)) % 7")
set(q530_weekdays Sat Sun Mon Tue Wed Thu Fri)
list(GET q530_weekdays ${q530_wd} q530_wday)
math(EXPR q530_mi "${q530_m} - 1")
set(q530_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET q530_months ${q530_mi} q530_mon)
set(Q530_RELEASE_DATE_DEBIAN "${q530_wday}, ${CMAKE_MATCH_3} ${q530_mon} ${q530_y} 00:00:00 +0000")
configure_file(${q530_dist}/deb/changelog.in ${q530_made}/changelog @ONLY)
set(q530_gzipped)
foreach(page q530.1 q530ctl.1)
    configure_file(${q530_dist}/${page}.in ${q530_made}/${page} @ONLY)
endforeach()
find_program(Q530_GZIP gzip REQUIRED)
foreach(file q530.1 q530ctl.1 changelog)
    add_custom_command(OUTPUT ${q530_made}/${file}.gz
        COMMAND ${Q530_GZIP} -9nc ${q530_made}/${file} > ${q530_made}/${file}.gz
        DEPENDS ${q530_made}/${file}
        VERBATIM)
    list(APPEND q530_gzipped ${q530_made}/${file}.gz)
endforeach()
add_custom_target(q530dist ALL DEPENDS ${q530_gzipped})

install(TARGETS q530 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The command line beside it: it finds the shipped data the same way.
install(TARGETS q530ctl RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${q530_made}/q530.1.gz ${q530_made}/q530ctl.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${q530_made}/changelog.gz ${q530_dist}/deb/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${q530_dist}/deb/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME q530)
# The program looks for it from its own folder (platform/sources.cmake).
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/modules DESTINATION ${CMAKE_INSTALL_DATADIR}/q530)
install(FILES ${q530_dist}/${q530_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${q530_made}/${q530_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
    install(FILES ${q530_dist}/icons/${size}x${size}/${q530_id}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/art/svg/trayIcon/trayIcon48.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${q530_id}.svg)
install(FILES ${q530_dist}/70-q530.rules DESTINATION ${Q530_UDEV_RULES_DIR})
