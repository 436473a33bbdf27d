# The operating-system layer: one header per service, the system's source
# file chosen here so nothing above this folder needs an #ifdef.
target_sources(q530core PRIVATE
    platform/activeprogram.h platform/activeprogram.cpp
    platform/datafolder.h platform/datafolder.cpp
    platform/dataseed.h platform/dataseed.cpp
    platform/deviceaccess.h
    platform/devicenotifier.h
    platform/hookguard.h
    platform/instancepaths.h platform/instancepaths.cpp
    platform/nativemessagefilter.h
    platform/pointersettings.h
    platform/quitsignals.h
    platform/tracesample.h
    platform/updater.h
)
if(WIN32)
    target_sources(q530core PRIVATE
        platform/windows/activeprogram_windows.cpp
        platform/windows/datafolder_windows.cpp
        platform/windows/deviceaccess_windows.cpp
        platform/windows/devicenotifier_windows.cpp
        platform/windows/hookguard_windows.cpp
        platform/windows/nativemessagefilter_windows.cpp
        platform/windows/pointersettings_windows.cpp
        platform/windows/quitsignals_windows.cpp
        platform/windows/tracesample_windows.cpp
        platform/windows/updater_windows.cpp
    )
else()
    target_sources(q530core PRIVATE
        platform/linux/activeprogram_linux.cpp
        platform/linux/datafolder_linux.cpp
        platform/linux/deviceaccess_linux.cpp
        platform/linux/devicenotifier_linux.cpp
        platform/linux/hookguard_linux.cpp
        platform/linux/nativemessagefilter_linux.cpp
        platform/linux/pointersettings_linux.cpp
        platform/linux/quitsignals_linux.cpp
        platform/linux/tracesample_linux.cpp
        platform/linux/updater_linux.cpp
    )
endif()

# Bringing a window up is the window side's.
target_sources(q530ui PRIVATE platform/windowrestore.h)
if(WIN32)
    target_sources(q530ui PRIVATE platform/windows/windowrestore_windows.cpp)
else()
    target_sources(q530ui PRIVATE platform/linux/windowrestore_linux.cpp)
endif()

# Which shipped data files the program only reads; the build's seeding step
# reads the same list.
qt_add_resources(q530core "datarules" PREFIX "/" FILES platform/readonlydata.txt)

if(NOT WIN32)
    # An installed program finds its shipped data from its own folder, so the
    # installation can move as a whole.
    include(GNUInstallDirs)
    file(RELATIVE_PATH q530_shipped_from_bin "/${CMAKE_INSTALL_BINDIR}" "/${CMAKE_INSTALL_DATADIR}/q530")
    set_source_files_properties(platform/linux/datafolder_linux.cpp PROPERTIES
        COMPILE_DEFINITIONS "Q530_SHIPPED_FROM_BIN=\"${q530_shipped_from_bin}\"")
endif()
