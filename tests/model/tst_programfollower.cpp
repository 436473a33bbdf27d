// Which profile the program in use asks for, and when: the program lists of
// a profile file as the dialog writes them, the settling time, the page's
// hold and a profile chosen by hand.

#include "model/programfollower.h"
#include "storage/inifile.h"
#include "platform/filenamerules.h"
#include "storage/programlist.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestProgramFollower : public QObject
{
    Q_OBJECT

    // Profiles 3, 1 and 4 in the dialog's order; 3 and 4 both list "shared".
    static QList<ProgramFollower::Entry> profiles()
    {
        return {{3, {"gimp", "shared"}}, {1, {}}, {4, {"cs2", "shared", "steam_app_578080"}}};
    }

private slots:
    void profileFor_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("profile");
        QTest::newRow("listed") << "cs2" << 4;
        QTest::newRow("listed by two, the first in order") << "shared" << 3;
        QTest::newRow("listed by none") << "firefox" << 2;
        QTest::newRow("other case") << "GIMP" << (FileNameRules::kWindows ? 3 : 2);
    }
    void profileFor()
    {
        QFETCH(QString, program);
        QFETCH(int, profile);
        ProgramFollower follower;
        follower.setProfiles(profiles());
        follower.setFallback(2);
        QCOMPARE(follower.profileFor(program), profile);
    }

    // Where no window can be seen, the first profile in order that lists a
    // running program wins, whichever order the programs run in.
    void runningPrograms()
    {
        ProgramFollower follower;
        follower.setProfiles(profiles());
        follower.setFallback(1);
        QString matched;
        QCOMPARE(follower.profileForRunning({"bash", "steam_app_578080", "gimp"}, &matched), 3);
        QCOMPARE(matched, QStringLiteral("gimp"));
        QCOMPARE(follower.profileForRunning({"bash", "steam_app_578080"}, &matched), 4);
        QCOMPARE(follower.profileForRunning({"bash"}, &matched), 1);
        QVERIFY(matched.isEmpty());

        QSignalSpy wanted(&follower, &ProgramFollower::switchWanted);
        follower.setCurrentProfile(1);
        follower.runningChanged({"cs2", "bash"});
        QVERIFY(wanted.wait(2000));
        QCOMPARE(wanted.takeFirst(), QVariantList({4, QStringLiteral("cs2")}));
    }

    // Only a program that stays in front for the settling time is followed;
    // passing over another on the way asks for nothing.
    void settles()
    {
        ProgramFollower follower;
        follower.setProfiles(profiles());
        follower.setFallback(1);
        follower.setCurrentProfile(1);
        QSignalSpy wanted(&follower, &ProgramFollower::switchWanted);
        follower.frontChanged("gimp");
        QTest::qWait(ProgramFollower::kSettleMs / 2);
        follower.frontChanged("cs2");
        // Past the first program's settling time, nothing yet.
        QVERIFY(!wanted.wait(ProgramFollower::kSettleMs / 2));
        QVERIFY(wanted.wait(2000));
        QCOMPARE(wanted.count(), 1);
        QCOMPARE(wanted.takeFirst(), QVariantList({4, QStringLiteral("cs2")}));
    }

    // Nothing while the page holds it; the program in front when the hold
    // ends is followed then. A front that is this program, or no program,
    // keeps the profile; so does a profile chosen by hand until another
    // program comes to the front.
    void holdsAndKeeps()
    {
        ProgramFollower follower;
        follower.setProfiles(profiles());
        follower.setFallback(1);
        follower.setCurrentProfile(1);
        follower.setPassedOver({"q530"});
        QSignalSpy wanted(&follower, &ProgramFollower::switchWanted);

        follower.setHeld(true);
        follower.frontChanged("gimp");
        QVERIFY(!wanted.wait(ProgramFollower::kSettleMs * 2));
        follower.setHeld(false);
        QVERIFY(wanted.wait(2000));
        QCOMPARE(wanted.takeFirst(), QVariantList({3, QStringLiteral("gimp")}));
        follower.setCurrentProfile(3);

        follower.frontChanged("q530");
        follower.setCurrentProfile(5);       // chosen in our own window
        QVERIFY(!wanted.wait(ProgramFollower::kSettleMs * 2));
        follower.frontChanged("");
        follower.frontChanged("gimp");
        QVERIFY(!wanted.wait(ProgramFollower::kSettleMs * 2));
        follower.frontChanged("firefox");
        QVERIFY(wanted.wait(2000));
        QCOMPARE(wanted.takeFirst(), QVariantList({1, QStringLiteral("firefox")}));
    }

    // The lists as a profile file holds them: names from someone else's file
    // are checked, one name survives the format, an empty list leaves no group.
    void storedLists()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("p1.bin");
        {
            DataSettings profile(file);
            ProgramList::write(profile, {"gimp", " gimp", "a/b", "gimp", "wine\x01", "steam_app_578080", "x,y"});
        }
        {
            DataSettings profile(file);
            QCOMPARE(ProgramList::read(profile), QStringList({"gimp", "steam_app_578080", "x,y"}));
            ProgramList::write(profile, {"x,y"});
        }
        {
            DataSettings profile(file);
            QCOMPARE(ProgramList::read(profile), QStringList({"x,y"}));
            QStringList many;
            for (int i = 0; i < 40; ++i)
                many.append(QString(i == 39 ? 300 : 8, QChar('a' + i % 26)) + QString::number(i));
            profile.setValue("programs/names", many);
            QCOMPARE(ProgramList::read(profile).size(), ProgramList::kMaxNames);
            ProgramList::write(profile, {});
        }
        DataSettings profile(file);
        QVERIFY(!profile.childGroups().contains("programs"));
    }
};

QTEST_GUILESS_MAIN(TestProgramFollower)
#include "tst_programfollower.moc"
