#include "editors/DefEditing.h"
#include "../ui/MainFixture.h"
#include "defs/DefinitionsFile.h"

#include <QtTest>

// The definitions editor's commands on the shipped library, the design on S132SPORT.
class DefEditingTest : public QObject {
    Q_OBJECT

    struct Fixture : MainFixture {
        Fixture() { SelectBrand(*Appl, Appl->Library.FindBrand("W124WIDE")); }
        C_DEFINE& Editor() { return Appl->Define; }
        L_BRAND& Brand() { return *Editor().Brand; }
    };

  private slots:
    void numberFormats_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<float>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("trailing letters") << "1x" << 1.0f << "1.0000";
        QTest::newRow("no number") << "abc" << 0.0f << "0.0000";
        QTest::newRow("decimals") << "12.34567" << 12.34567f << "12.3457";
    }
    void numberFormats() {
        QFETCH(QString, typed);
        QFETCH(float, stored);
        QFETCH(QString, shown);
        L_PARTDEF part;
        PartFields fields = ShowPart(part);
        fields.StraightWidth = typed.toStdString();
        StorePart(part, fields);
        QCOMPARE(part.StraightWidth, stored);
        QCOMPARE(QString::fromStdString(ShowPart(part).StraightWidth), shown);
    }

    void anglesAreQuarterDegreesAndTheInnerRadiusFollows() {
        L_PARTDEF part;
        PartFields fields = ShowPart(part);
        fields.Type = PT_Curve;
        fields.CurveAngle = "22.6";
        fields.CurveOuterRadius = "40";
        fields.CurveWidth = "15.5";
        fields.CurveInnerRadius = "99"; // never read
        fields.InnerBorderStep = "3.9";
        StorePart(part, fields);
        QCOMPARE(part.CurveAngle, 90);
        QCOMPARE(ShowPart(part).CurveAngle, std::string("22.50"));
        QCOMPARE(part.CurveInnerRadius, 24.5f);
        QCOMPARE(part.InnerBorderStep, 3);
    }

    void travelDistanceOfCurves_data() {
        QTest::addColumn<int>("angle");
        QTest::addColumn<float>("lane1");
        QTest::addColumn<float>("lane2");
        QTest::newRow("90 degrees") << 360 << 39.27f << 54.98f;
        QTest::newRow("67.5 degrees") << 270 << 29.45f << 41.23f;
    }
    void travelDistanceOfCurves() {
        QFETCH(int, angle);
        QFETCH(float, lane1);
        QFETCH(float, lane2);
        Fixture f;
        L_PARTDEF& part = *f.Editor().Part;
        part.Type = PT_Curve;
        part.CurveAngle = angle;
        part.CurveOuterRadius = 40;
        part.CurveWidth = 20;
        part.LaneDistance = 10;
        CalculateTravelDistance(*f.Appl);
        QVERIFY(std::fabs(part.TravelLane1 - lane1) < 0.005f);
        QVERIFY(std::fabs(part.TravelLane2 - lane2) < 0.005f);
        QVERIFY(f.Editor().DefinitionsChanged);
        part.Type = PT_Straight;
        part.StraightLength = 34.5f;
        CalculateTravelDistance(*f.Appl);
        QCOMPARE(part.TravelLane2, 34.5f);
    }

    void brandsComeAndGo() {
        Fixture f;
        const int brands = f.Appl->Library.Count;
        QVERIFY(NewBrand(*f.Appl, "MYTRACK"));
        QCOMPARE(f.Appl->Library.Count, brands + 1);
        QCOMPARE(f.Brand().Name, std::string("MYTRACK"));
        QCOMPARE(f.Brand().PartCount, 1);
        QCOMPARE(f.Editor().Part, &f.Brand().Parts[0]);
        QVERIFY(f.Editor().Part->Silkscreen); // ready to draw on
        f.Dialogs->Answers = {DialogAnswer::No};
        QVERIFY(!DeleteCurrentBrand(*f.Appl));
        QCOMPARE(f.Dialogs->Messages.back(),
                 std::string("Are you sure you want to delete definition 'MYTRACK' ?"));
        f.Dialogs->Answers = {DialogAnswer::Yes};
        QVERIFY(DeleteCurrentBrand(*f.Appl));
        QCOMPARE(f.Appl->Library.Count, brands);
        QCOMPARE(f.Editor().Brand, f.Appl->Library.Brands[0]); // back to brand 0
        // The design's brand, the last brand, the limit.
        SelectBrand(*f.Appl, f.Design().Brand);
        QVERIFY(!DeleteCurrentBrand(*f.Appl));
        QCOMPARE(f.Dialogs->Messages.back(),
                 std::string("Cannot delete this track brand because this track brand is active "
                             "on the design panel!"));
        while (f.Appl->Library.AddBrand()) {
        }
        QVERIFY(!NewBrand(*f.Appl, "ONEMORE"));
        QCOMPARE(f.Dialogs->Messages.back(),
                 std::string("You cannot add any more track definitions (max 32) !"));
    }

    void theLastBrandStays() {
        Fixture f;
        while (f.Appl->Library.Count > 1)
            f.Appl->Library.DeleteBrand(f.Appl->Library.Brands[f.Appl->Library.Count - 1]);
        SelectBrand(*f.Appl, f.Appl->Library.Brands[0]);
        QVERIFY(!DeleteCurrentBrand(*f.Appl));
        QCOMPARE(f.Dialogs->Messages.back(),
                 std::string("You must have a minimum of 1 track definition!"));
    }

    void partsOfTheDesignsBrandStayInPlace() {
        Fixture f;
        SelectBrand(*f.Appl, f.Design().Brand);
        QCOMPARE(MovePart(*f.Appl, 1, -1), 1);
        QCOMPARE(f.Dialogs->Messages.back(),
                 std::string("Cannot change the order of parts because this track brand is "
                             "active on the design panel!"));
        QVERIFY(!DeletePart(*f.Appl, 1));
        QCOMPARE(f.Dialogs->Messages.back(),
                 std::string("Cannot delete the part because this track brand is active on the "
                             "design panel!"));
        SelectBrand(*f.Appl, f.Appl->Library.FindBrand("W124WIDE"));
        const std::string second = f.Brand().Parts[1].Code;
        QCOMPARE(MovePart(*f.Appl, 1, -1), 0);
        QCOMPARE(f.Brand().Parts[0].Code, second);
        QCOMPARE(f.Editor().Part, &f.Brand().Parts[0]);
        QCOMPARE(MovePart(*f.Appl, 0, -1), 0); // already first
        const int parts = f.Brand().PartCount;
        QVERIFY(DeletePart(*f.Appl, 0));
        QCOMPARE(f.Brand().PartCount, parts - 1);
        while (f.Brand().PartCount > 1)
            f.Brand().DeletePart(&f.Brand().Parts[0]);
        QVERIFY(!DeletePart(*f.Appl, 0));
        QCOMPARE(f.Dialogs->Messages.back(), std::string("You must have a minimum of 1 part!"));
    }

    void pastingTwiceGivesTwoIndependentSilkscreens() {
        Fixture f;
        L_PARTDEF& model = f.Brand().Parts[0];
        model.Silkscreen.Create().AddShape()->AddPoint(1, 2);
        CopyPart(*f.Appl, 0);
        const int parts = f.Brand().PartCount;
        QVERIFY(PastePart(*f.Appl));
        QVERIFY(PastePart(*f.Appl));
        L_PARTDEF& first = f.Brand().Parts[parts];
        L_PARTDEF& second = f.Brand().Parts[parts + 1];
        QCOMPARE(first.Code, model.Code);
        QCOMPARE(second.Silkscreen->Shapes[0].Points[0].Y, 2.0f);
        first.Silkscreen->Shapes[0].Points[0].Y = 7;
        QCOMPARE(second.Silkscreen->Shapes[0].Points[0].Y, 2.0f);
        QCOMPARE(model.Silkscreen->Shapes[0].Points[0].Y, 2.0f);
        QCOMPARE(f.Editor().Part, &second);
        while (f.Brand().AddPart()) {
        }
        QVERIFY(!PastePart(*f.Appl));
        QCOMPARE(f.Dialogs->Messages.back(),
                 std::string("You cannot add any more parts (max 256) !"));
    }

    void copyAndMergeBrands() {
        Fixture f;
        L_BRAND& wide = f.Brand();
        const int parts = wide.PartCount;
        QVERIFY(CopyBrandTo(*f.Appl, "WIDECOPY"));
        QCOMPARE(f.Dialogs->Messages.back(), std::string("Copied!"));
        QCOMPARE(f.Dialogs->Kinds.back(), MessageKind::Information);
        L_BRAND& copy = f.Brand();
        QCOMPARE(copy.Name, std::string("WIDECOPY"));
        QCOMPARE(copy.PartCount, parts);
        QCOMPARE(copy.Description, std::string("New BRAND")); // only the parts are copied
        QVERIFY(!MergeBrandWith(*f.Appl, "w124wide"));
        QCOMPARE(f.Dialogs->Messages.back(), std::string("Unknown brand code"));
        QVERIFY(MergeBrandWith(*f.Appl, "WIDECOPY")); // with itself: its parts, once
        QCOMPARE(copy.PartCount, 2 * parts);
        QCOMPARE(f.Dialogs->Messages.back(), std::string("Merged!"));
        while (copy.PartCount < MAX_PARTDEFS - 1)
            copy.AddPart();
        QVERIFY(!MergeBrandWith(*f.Appl, "W124WIDE"));
        QCOMPARE(copy.PartCount, MAX_PARTDEFS);
        QVERIFY(std::find(f.Dialogs->Messages.begin(), f.Dialogs->Messages.end(),
                          "You cannot add any more parts (max 256) !") !=
                f.Dialogs->Messages.end());
    }

    void laneColoursAndMirroredSilkscreens() {
        Fixture f;
        F_SHAPE* shape = f.Brand().Parts[0].Silkscreen.Create().AddShape();
        shape->AddPoint(2, 5);
        f.Editor().SelectedShape = shape;
        SetLaneColour(*f.Appl, 2);
        QCOMPARE(shape->Color, 65280);
        QCOMPARE(f.Editor().CurrentColour, Rgb(0x00FF00));
        QVERIFY(!f.Editor().SelectedShape);
        SetLaneColour(*f.Appl, 1);
        QCOMPARE(f.Editor().CurrentColour, Rgb(0xFF0000));
        MirrorSilkscreen(*f.Appl, 0);
        QCOMPARE(shape->Points[0].X, f.Brand().DefaultWidth - 2);
        QCOMPARE(shape->Points[0].Y, 5.0f);
    }

    void importAndSave() {
        Fixture f;
        ImportDefinitionFile(*f.Appl, std::string(VIRELDO_FIXTURES) + "legacy_metric.def");
        QVERIFY(f.Brand().PartCount > 0);
        QCOMPARE(f.Editor().Part, &f.Brand().Parts[0]);
        QVERIFY(f.Editor().DefinitionsChanged);
        const std::string programDir = f.Appl->ProgramDir;
        f.Appl->ProgramDir = f.Dir.File("missing") + "/";
        QVERIFY(!SaveAllDefinitions(*f.Appl));
        QVERIFY(f.Editor().DefinitionsChanged);
        f.Appl->ProgramDir = programDir;
        QVERIFY(SaveAllDefinitions(*f.Appl));
        QVERIFY(!f.Editor().DefinitionsChanged);
        auto reread = std::make_unique<L_DEFINITIONS>();
        LoadDefinitions(*reread, programDir);
        QCOMPARE(reread->FindBrand("W124WIDE")->PartCount, f.Brand().PartCount);
    }
};

QTEST_MAIN(DefEditingTest)
#include "DefEditingTest.moc"
