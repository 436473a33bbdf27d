target_sources(q530core PRIVATE
    viewmodel/myqquickview.h viewmodel/myqquickview.cpp
    viewmodel/devicebridge.cpp
    viewmodel/dpilighting.cpp
    viewmodel/systempointer.cpp
    viewmodel/languages.cpp
    viewmodel/profilesandmacros.cpp
    viewmodel/keypages.cpp
    viewmodel/panelrules.cpp
    viewmodel/profilefiles.cpp
    viewmodel/programfollow.cpp
    viewmodel/classiclocale.h viewmodel/classiclocale.cpp
)
