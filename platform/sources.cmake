# The operating-system layer: one header per service, the system's source
# file chosen here so nothing above this folder needs an #ifdef.
target_sources(q530core PRIVATE
    platform/callbackregistry.h platform/callbackregistry.cpp
    platform/deviceaccess.h
    platform/devicenotifier.h
    platform/hookguard.h
    platform/nativemessagefilter.h
    platform/windowrestore.h
    platform/pointersettings.h
    platform/updater.h
)
if(WIN32)
    target_sources(q530core PRIVATE
        platform/windows/deviceaccess_windows.cpp
        platform/windows/devicenotifier_windows.cpp
        platform/windows/hookguard_windows.cpp
        platform/windows/nativemessagefilter_windows.cpp
        platform/windows/windowrestore_windows.cpp
        platform/windows/pointersettings_windows.cpp
        platform/windows/updater_windows.cpp
    )
else()
    target_sources(q530core PRIVATE
        platform/linux/deviceaccess_linux.cpp
        platform/linux/devicenotifier_linux.cpp
        platform/linux/hookguard_linux.cpp
        platform/linux/nativemessagefilter_linux.cpp
        platform/linux/windowrestore_linux.cpp
        platform/linux/pointersettings_linux.cpp
        platform/linux/updater_linux.cpp
    )
endif()
