#include "RandomEditing.h"

#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <sstream>

// Random editing as part of every test run: the kept findings replayed, and
// a few seeds run so that the harness itself stays sound.
class EditingReplayTest : public QObject {
    Q_OBJECT

    static std::string Folder(const QTemporaryDir& dir) { return dir.path().toStdString() + "/"; }

  private slots:
    void keptFindingsStayMended() {
        QTemporaryDir dir;
        int replayed = 0;
        for (const auto& entry :
             std::filesystem::directory_iterator(VIRELDO_FUZZ_DIR "/regressions/editing")) {
            if (entry.path().extension() != ".ops")
                continue;
            std::ifstream in(entry.path());
            std::stringstream text;
            text << in.rdbuf();
            const std::vector<EditAction> actions = ParseActions(text.str());
            QVERIFY2(!actions.empty(), entry.path().c_str());
            const std::string broken = RunActions(actions, Folder(dir));
            QVERIFY2(broken.empty(), (entry.path().string() + ": " + broken).c_str());
            ++replayed;
        }
        QVERIFY(replayed > 0);
    }

    // A run edits for real (tracks, parts and shapes come and go) and breaks
    // nothing; the same seed gives the same actions.
    void seedsEditForRealAndBreakNothing() {
        QTemporaryDir dir;
        EditingReach reach;
        for (uint64_t seed : {1u, 2u, 3u}) {
            const std::string broken = RunActions(RandomActions(seed, 600), Folder(dir), &reach);
            QVERIFY2(broken.empty(), broken.c_str());
        }
        QVERIFY(reach.Parts >= 10);
        QVERIFY(reach.Tracks >= 2);
        QVERIFY(reach.Shapes >= 1);
        QCOMPARE(FormatActions(RandomActions(7, 50)), FormatActions(RandomActions(7, 50)));
        QCOMPARE(FormatActions(ParseActions(FormatActions(RandomActions(7, 50)))),
                 FormatActions(RandomActions(7, 50)));
    }
};

QTEST_MAIN(EditingReplayTest)
#include "EditingReplayTest.moc"
