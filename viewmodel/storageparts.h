#pragma once

#include "storage/devicelink.h"
#include "storage/gundatafile.h"
#include "storage/gunfiles.h"
#include "storage/gunselection.h"
#include "storage/keyassignment.h"
#include "storage/macrobindings.h"
#include "storage/macrofiles.h"
#include "storage/macrotransfer.h"
#include "storage/nameregistry.h"
#include "storage/profilestore.h"

class ProfileSet;

// The files behind the view model's profile, macro, gun and key methods, in
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
