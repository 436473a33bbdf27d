// A process that saves one kind of data file over and over, as the program
// does: through the view model where it has a slot for it, through the
// storage classes where the program would first show a file dialog. It
// alternates between two states, A and B, so whoever kills it knows the only
// two contents each file may have.
//
//   q530_saver <folder> <operation> a|b   one step to A or B, then quit
//   q530_saver <folder> <operation> loop  "saving" on standard output, then A, B, A, ... until killed
//
// <folder> holds modules/ and the files the operations import from.

#include "platform/dataseed.h"
#include "storage/devicelink.h"
#include "storage/gunfiles.h"
#include "storage/macrofiles.h"
#include "storage/nameregistry.h"
#include "storage/profilestore.h"
#include "viewmodel/myqquickview.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <functional>
#include <map>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4 || !QDir::setCurrent(args.at(1))) {
        std::fprintf(stderr, "usage: q530_saver <folder> <operation> a|b|loop\n");
        return 2;
    }

    myQQuickView view(nullptr);
    DeviceLink link;
    NameRegistry names;
    MacroFiles macros(link);
    GunFiles guns(link);
    ProfileStore store(view.profiles(), names, macros, guns);

    const std::map<QString, std::function<void(bool)>> operations{
        {"profile", [&](bool a) {
             view.setXYSensitive(0, a ? 3 : 6);
             view.ui_11H_SetDPISelect(a ? QVariantList{1, 1, 1, 1, 1, 1, 0, 0} : QVariantList{1, 0, 1, 0, 1, 0, 0, 0});
         }},
        {"configuration", [&](bool a) {
             view.setProfile(a ? 2 : 3);
             view.saveApConfig(a ? QVariantList{1, 2} : QVariantList{3});
         }},
        {"configuration reset", [&](bool a) {
             if (a)
                 view.resetApconfig();
             else
                 view.setProfile(4);
         }},
        {"profile reset", [&](bool a) {
             if (a)
                 view.resetProfile(1);
             else
                 view.copyProfile(1, 2);
         }},
        {"profile import", [&](bool a) { store.loadProfile(3, a ? "a.pf" : "b.pf"); }},
        {"profile export", [&](bool a) {
             store.saveProfile(2, "export.pf", a ? QStringList{"M1", "loaderzentak"} : QStringList{}, {});
         }},
        {"macro", [&](bool a) {
             view.saveMacroIni("M1", a ? QStringList{"1,A", "2,A"} : QStringList{"0,20"}, {}, a ? 2 : 5);
         }},
        {"macro import", [&](bool a) { macros.loadMacroIniFromFile("M2", a ? "a.mc" : "b.mc"); }},
        {"macro export", [&](bool a) { macros.saveMacroIniToFile(a ? "M1" : "M2", "export.mc"); }},
        {"names", [&](bool a) { view.updataNameList(0, a ? QStringList{"M1", "M2"} : QStringList{"M2"}); }},
        {"gun preset", [&](bool a) {
             view.saveGunIni("General", a ? QStringList{"3,MS-L", "0,10"} : QStringList{"0,30"}, {}, a ? 1 : 4);
         }},
        {"gun data", [&](bool a) { view.saveGundata({"General", a ? 1 : 6, 2, 3, 4, 5}); }},
        {"language refresh", [&](bool a) {
             DataSeed::seed(a ? "shipped-a/modules" : "shipped-b/modules", "modules");
         }},
    };
    const auto operation = operations.find(args.at(2));
    if (operation == operations.end()) {
        std::fprintf(stderr, "no operation %s\n", qPrintable(args.at(2)));
        return 2;
    }
    // The settings objects that live for the whole run write when their
    // deferred update comes round, as in the program.
    auto step = [&](bool a) {
        operation->second(a);
        QCoreApplication::processEvents();
    };

    if (args.at(3) != QLatin1String("loop")) {
        step(args.at(3) == QLatin1String("a"));
        return 0;
    }
    std::printf("saving\n");
    std::fflush(stdout);
    for (bool a = false;; a = !a)
        step(a);
}
