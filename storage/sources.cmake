target_sources(q530core PRIVATE
    storage/languagefile.h storage/languagefile.cpp
    storage/profileset.h storage/profileset.cpp
    storage/settingsvalues.h storage/settingsvalues.cpp
)
