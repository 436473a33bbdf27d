target_sources(q530core PRIVATE
    simulator/mousestate.h simulator/mousestate.cpp
    simulator/simulatedmouse.h simulator/simulatedmouse.cpp
)
