#pragma once

#include <QString>

// The firmware updater: a separate program in the folder "update" beside
// this one.
namespace Updater {

QString programPath();

} // namespace Updater
