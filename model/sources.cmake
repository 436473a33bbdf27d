target_sources(q530core PRIVATE
    model/buttonmodel.h model/buttonmodel.cpp
    model/buttonrules.h model/buttonrules.cpp
    model/keycodes.h model/keycodes.cpp
    model/presetlistmodel.h model/presetlistmodel.cpp
    model/programfollower.h model/programfollower.cpp
    model/profilelistmodel.h model/profilelistmodel.cpp
)
