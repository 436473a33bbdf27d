// Recording through a real X server: keys held and tapped through XTest reach
// the page as the display server delivers them, with its own auto-repeat and
// its own timestamps. The test starts an Xvfb of its own, with a short repeat
// delay so that a key held for a second repeats some twenty times, and runs
// the page on it; without Xvfb or xdotool it skips.

#include "recordingrig.h"
#include "tests/support/xserver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

// When one xdotool step ran, by the test's clock: the server stamped its
// event in between.
struct Span
{
    qint64 start, end;
};

} // namespace

class RecordXServerTest : public QObject
{
    Q_OBJECT

public:
    explicit RecordXServerTest(bool hasServer)
        : m_hasServer(hasServer)
    {
    }

private slots:
    void initTestCase();
    void init() { m_rig.reset(); }
    void keysFromTheServer_data();
    void keysFromTheServer();

private:
    Span xdotool(const QStringList &arguments);

    bool m_hasServer;
    RecordingRig m_rig;
    QElapsedTimer m_clock;
};

void RecordXServerTest::initTestCase()
{
    if (!m_hasServer)
        QSKIP("Xvfb could not be started");
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("xdotool is not installed");
    m_rig.start();
    if (QTest::currentTestFailed())
        return;
    // XTest keys go to the window with the input focus, under the pointer.
    const QPoint centre = m_rig.window()->geometry().center();
    xdotool({QStringLiteral("mousemove"), QString::number(centre.x()), QString::number(centre.y())});
    m_clock.start();
}

Span RecordXServerTest::xdotool(const QStringList &arguments)
{
    Span span{m_clock.elapsed(), 0};
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    const bool done = process.waitForFinished(10000);
    span.end = m_clock.elapsed();
    if (!done || process.exitCode() != 0)
        qWarning() << "xdotool" << arguments << "failed:" << process.readAllStandardError();
    return span;
}

void RecordXServerTest::keysFromTheServer_data()
{
    // "down c", "up c" or a pause in ms; one recorded key event per key step.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("a key held for a second: one press, one release")
        << QStringList{"down c", "1000", "up c"} << QStringList{"1,C", "2,C"};
    QTest::newRow("two taps half a second apart")
        << QStringList{"down c", "up c", "500", "down c", "up c"} << QStringList{"1,C", "2,C", "1,C", "2,C"};
    QTest::newRow("a key held while another is held and let go")
        << QStringList{"down a", "500", "down c", "500", "up c", "500", "up a"}
        << QStringList{"1,A", "1,C", "2,C", "2,A"};
}

// The recorded delay between two events lies within the times their steps
// ran, give or take the rounding to 10 ms and the moment the server takes
// to get to a request.
void RecordXServerTest::keysFromTheServer()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, keys);
    m_rig.recordNewMacroOnButton(4, true);
    QList<Span> spans;
    for (const QString &step : steps) {
        const QStringList words = step.split(QLatin1Char(' '));
        if (words.size() == 1)
            QTest::qWait(words.first().toInt()); // the page takes the events as they come
        else
            spans.append(xdotool({words.first() == QLatin1String("down") ? QStringLiteral("keydown")
                                                                           : QStringLiteral("keyup"),
                                  words.last()}));
    }
    QObject *editor = m_rig.editor();
    QTRY_VERIFY(editor->property("actions").toList().size() >= keys.size());
    QTest::qWait(300); // a repeat taken for a key of its own would come in now
    callQml(editor, "stopRecord");

    QStringList keyLines;
    QList<int> delays; // before each key event after the first
    int delay = 0;
    for (const QString &line : m_rig.actionLines()) {
        if (line.startsWith(QLatin1String("0,"))) {
            delay += line.mid(2).toInt();
            continue;
        }
        if (!keyLines.isEmpty())
            delays.append(delay);
        keyLines.append(line);
        delay = 0;
    }
    QCOMPARE(keyLines, keys);
    const qint64 slack = 5 + 25;
    for (int i = 0; i < delays.size(); ++i) {
        const qint64 shortest = spans[i + 1].start - spans[i].end - slack;
        const qint64 longest = spans[i + 1].end - spans[i].start + slack;
        QVERIFY2(delays[i] >= shortest && delays[i] <= longest,
                 qPrintable(QStringLiteral("delay %1 before %2: %3 ms, the steps lay %4 to %5 ms apart")
                                .arg(i + 1)
                                .arg(keyLines[i + 1])
                                .arg(delays[i])
                                .arg(shortest + slack)
                                .arg(longest - slack)));
    }
}

int main(int argc, char **argv)
{
    XServer server({"-ardelay", "200", "-arinterval", "30", "r", "-screen", "0", "1280x1024x24"});
    if (server.display().isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    } else {
        qputenv("DISPLAY", server.display());
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    // The view model is a widget.
    QApplication app(argc, argv);
    RecordXServerTest test(!server.display().isEmpty());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recordxserver.moc"
