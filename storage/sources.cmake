target_sources(q530core PRIVATE
    storage/buttonentry.h
    storage/datakeys.h
    storage/devicelink.h storage/devicelink.cpp
    storage/dpistages.h storage/dpistages.cpp
    storage/editorencoder.h storage/editorencoder.cpp
    storage/filereplace.h storage/filereplace.cpp
    storage/inifile.h storage/inifile.cpp
    storage/gundatafile.h storage/gundatafile.cpp
    storage/gunfiles.h
    storage/gunselection.h storage/gunselection.cpp
    storage/keyassignment.h storage/keyassignment.cpp
    storage/keynames.h storage/keynames.cpp
    storage/languagefile.h storage/languagefile.cpp
    storage/lightingeffect.h storage/lightingeffect.cpp
    storage/macrobindings.h storage/macrobindings.cpp
    storage/macrobytes.h storage/macrobytes.cpp
    storage/macroencoder.h storage/macroencoder.cpp
    storage/macrofiles.h
    storage/macrotransfer.h storage/macrotransfer.cpp
    storage/namelist.h
    storage/nameregistry.h storage/nameregistry.cpp
    storage/panelvalues.h storage/panelvalues.cpp
    storage/presetfiles.h storage/presetfiles.cpp
    storage/programlist.h storage/programlist.cpp
    storage/profileimport.h storage/profileimport.cpp
    storage/profileset.h storage/profileset.cpp
    storage/profilestore.h storage/profilestore.cpp
    storage/safename.h storage/safename.cpp
    storage/savelog.h storage/savelog.cpp
    storage/settingsvalues.h storage/settingsvalues.cpp
    storage/storageparts.h
)
