target_sources(q530core PRIVATE
    model/presetlistmodel.h model/presetlistmodel.cpp
    model/profilelistmodel.h model/profilelistmodel.cpp
)
