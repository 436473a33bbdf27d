target_sources(q530core PRIVATE
    device/hidbackend.h
    device/hidapibackend.h device/hidapibackend.cpp
    device/protocol.h
    device/devicetable.h device/devicetable.cpp
    device/devicestate.h device/devicestate.cpp
    device/handover.h
    device/linkresults.h
    device/heldrecord.h device/heldrecord.cpp
    device/hid_thread.h device/hid_thread.cpp
    device/hid_commands.cpp
)
