// The runner of the page tests: each tst_*.qml given with -input.

#include "pagerig.h"

#include <QApplication>
#include <QByteArrayList>
#include <QFileInfo>
#include <QtQuickTest>

#include <vector>

int main(int argc, char **argv)
{
    // The view model is a widget, so the test needs the widget application
    // before Qt Quick Test would make a plain GUI one.
    QApplication app(argc, argv);

    // The rig moves into a program folder of its own before the test file is
    // read, so a relative -input is made absolute here.
    QByteArrayList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(i > 0 && qstrcmp(argv[i - 1], "-input") == 0
                             ? QFileInfo(QString::fromLocal8Bit(argv[i])).absoluteFilePath().toLocal8Bit()
                             : QByteArray(argv[i]));
    std::vector<char *> pointers;
    for (QByteArray &argument : arguments)
        pointers.push_back(argument.data());

    PageRig rig;
    return quick_test_main_with_setup(argc, pointers.data(), "pages", QUICK_TEST_SOURCE_DIR, &rig);
}
