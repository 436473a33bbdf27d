target_sources(q530core PRIVATE
    model/buttonmodel.h model/buttonmodel.cpp
    model/buttonrules.h model/buttonrules.cpp
    model/keycodes.h model/keycodes.cpp
)
