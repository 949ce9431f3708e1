#include "MainFixture.h"
#include "edit/CanvasPanel.h"

#include <QtTest>

// The window on a screen of two device pixels to a pixel (QT_SCALE_FACTOR=2).
class HighDensityTest : public QObject {
    Q_OBJECT

  private slots:
    void canvasesDrawAtDevicePixels() {
        MainFixture f;
        f.Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.Form.get()));
        QCOMPARE(f.Form->devicePixelRatioF(), 2.0);
        for (P_PANEL* panel :
             {static_cast<P_PANEL*>(&f.Appl->Design), static_cast<P_PANEL*>(&f.Appl->Palette)}) {
            const QImage& pixels = panel->Bitmap.Pixels();
            QCOMPARE(pixels.devicePixelRatio(), 2.0);
            QCOMPARE(pixels.width(), 2 * panel->Width);
            QCOMPARE(panel->Bitmap.Width(), panel->Width);
        }
        RepaintPanel(f.Appl->Canvases);
        QCOMPARE(f.Appl->Design.WindowImage.size(), f.Appl->Design.Bitmap.Pixels().size());
        // Pointer positions stay in pixels of the window: a click on the
        // empty start of the track selects it.
        T_TRACK& track = f.Design().Tracks[0];
        f.Appl->Design.SelectedTrack = nullptr;
        const QPoint start(f.Appl->Design.CentreX + 4, f.Appl->Design.CentreY + 4);
        QTest::mouseClick(f.Form->TrackCanvas, Qt::LeftButton, {}, start);
        QCOMPARE(f.Appl->Design.SelectedTrack, &track);
    }
};

QTEST_MAIN(HighDensityTest)
#include "HighDensityTest.moc"
