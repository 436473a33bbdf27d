#pragma once

#include "devicelink.h"
#include "gundatafile.h"
#include "gunfiles.h"
#include "gunselection.h"
#include "keyassignment.h"
#include "macrobindings.h"
#include "macrofiles.h"
#include "macrotransfer.h"
#include "nameregistry.h"
#include "profilestore.h"

class ProfileSet;

// The files behind the profile, macro, gun and key methods of the view model, in
// the order they depend on each other.
struct StorageParts
{
    explicit StorageParts(ProfileSet &profiles)
        : macros(link)
        , guns(link)
        , bindings(profiles, macros)
        , gunSelection(profiles)
        , store(profiles, names, macros, guns)
        , keys(profiles, link)
        , transfer(link, macros, guns)
    {
    }

    DeviceLink link;
    NameRegistry names;
    MacroFiles macros;
    GunFiles guns;
    MacroBindings bindings;
    GunSelection gunSelection;
    GunDataFile gunData;
    ProfileStore store;
    KeyAssignment keys;
    MacroTransfer transfer;
};
