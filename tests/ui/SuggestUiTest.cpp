#include "MainFixture.h"
#include "app/DesignCommands.h"
#include "check/LayoutCheck.h"
#include "room/Newroom.h"
#include "ui/SuggestDialog.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

// File > "Suggest Layouts...": the search on its worker, the proposals, Open.
class SuggestUiTest : public QObject {
    Q_OBJECT

    static constexpr int SEARCH_MS = 60000;

    // The form over a design of the shipped 1:32 system, searching briefly.
    static std::unique_ptr<TSuggestForm> Form(MainFixture& f) {
        OpenDesign(*f.Appl, f.DesignFile("two.tr3"));
        auto form = std::make_unique<TSuggestForm>(*f.Appl, f.Form.get());
        form->findChild<QDoubleSpinBox*>("TimeLimit")->setValue(1);
        form->show();
        return form;
    }
    static void Search(TSuggestForm& form) {
        form.Suggest();
        QVERIFY(form.Searching());
        QTRY_VERIFY_WITH_TIMEOUT(!form.Searching(), SEARCH_MS);
    }

  private slots:
    void proposalsShowTheirLapAndOpenAsTheDesign() {
        MainFixture f;
        auto form = Form(f);
        Search(*form);
        QVERIFY(form->ProposalCount() > 0);
        const QString caption = form->findChild<QListWidget*>("ProposalList")->item(0)->text();
        QVERIFY2(caption.contains(" m, ") && caption.contains(" parts, ") && caption.endsWith(" s"),
                 qPrintable(caption));
        QVERIFY(!form->findChild<QListWidget*>("ProposalList")->item(0)->icon().isNull());
        QVERIFY(form->OpenProposal(0));
        QCOMPARE(f.Design().TrackCount(), 1);
        QVERIFY(f.Design().IsModified());
        const CheckResult check = CheckDesign(f.Design());
        QVERIFY(check.Tracks[0].Closed);
        QVERIFY(check.Overlaps.empty());
        QVERIFY(f.Dialogs->Messages.empty());
    }

    void aChangedDesignIsKeptWhenTheUserCancels() {
        MainFixture f;
        auto form = Form(f);
        Search(*form);
        f.Design().SetModified(true); // no answer scripted: Cancel
        QVERIFY(!form->OpenProposal(0));
        QCOMPARE(f.Design().Tracks[0].PartCount, 2);
        QVERIFY(!form->OpenProposal(form->ProposalCount())); // none there
    }

    void cancelStopsTheSearch() {
        MainFixture f;
        auto form = Form(f);
        form->findChild<QDoubleSpinBox*>("TimeLimit")->setValue(600);
        form->Suggest();
        QVERIFY(form->Searching());
        form->findChild<QPushButton*>("CancelSearchButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!form->Searching(), 10000);
        QVERIFY(form->findChild<QLabel*>("SuggestStatus")->text().contains("cancelled"));
    }

    void theRoomIsOfferedOnceItHasAnOutline() {
        MainFixture f;
        auto form = Form(f);
        auto* room = form->findChild<QRadioButton*>("RoomChoice");
        QVERIFY(!room->isEnabled());
        form->hide();
        RoomOutlineRequest request;
        request.Measures = {"3", "2", "0", "0", "0", "0"};
        AddRoomOutline(f.Appl->Room.Layer, request, true);
        form->show();
        QVERIFY(room->isEnabled());
        room->setChecked(true);
        Search(*form);
        QVERIFY(form->ProposalCount() > 0);
    }
};

QTEST_MAIN(SuggestUiTest)
#include "SuggestUiTest.moc"
