target_sources(q530ui PRIVATE
    shell/apptitle.h shell/apptitle.cpp
    shell/copydatanotice.h shell/copydatanotice.cpp
    shell/hostcallbacks.h shell/hostcallbacks.cpp
    shell/pagecall.h shell/pagecall.cpp
    shell/programfollowing.h shell/programfollowing.cpp
    shell/screenshot.h shell/screenshot.cpp
    shell/simulationmenu.h shell/simulationmenu.cpp
    shell/singleapplication.h shell/singleapplication.cpp
    shell/startup.h shell/startup.cpp
    shell/startuptrace.h shell/startuptrace.cpp
    shell/ui_controler.h shell/ui_controler.cpp
    shell/viewhost.h shell/viewhost.cpp
    shell/userevent.h
    shell/widget.h shell/widget.cpp
)
