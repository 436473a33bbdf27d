# Keyboard and mouse capture for macro recording: the translation both
# systems share. The system's own half sits in platform/.
target_sources(q530core PRIVATE
    hooks/callbackregistry.h hooks/callbackregistry.cpp
    hooks/hookcodes.h
    hooks/keymaps.h hooks/keymaps.cpp
    hooks/inputcapture.h hooks/inputcapture.cpp
    hooks/evdevkeys.h hooks/evdevkeys.cpp
)
