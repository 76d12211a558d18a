#include "WindowFixture.h"

#include "OrvoMp3.h"

#include "TestMain.h"

#include <QTest>

class MarkerWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        window.reset(); // one fixture at a time: each puts its own dialogs in place
        window = std::make_unique<TWindowFixture>();
        window->Open(window->WriteTaggedFile());
    }
    void cleanup() { window.reset(); }

    void dragsTheStartMarkerAndWritesItsTime() {
        TFrmVE3Zezeva& form = window->form;
        window->Drag(form.ImageStart, {40, 100});
        QCOMPARE(form.ImageStart->Left(), 229);
        QCOMPARE(form.StartPoint, 14151); // 60000 * 100 / 424 = 14150.9
        QCOMPARE(form.RzMaskEdit1->Text(), QStringLiteral("000:00:14.151"));
        QCOMPARE(form.EndMarker.MinLeft, 236);
        QVERIFY(!form.StartMarker.Dragging);
    }

    void pinsMarkersAtTheBarEndsAndSevenPixelsApart() {
        TFrmVE3Zezeva& form = window->form;
        window->Drag(form.ImageStart, {1000});
        QCOMPARE(form.ImageStart->Left(), 553);
        QCOMPARE(form.StartPoint, 60000);

        window->Drag(form.ImageEnd, {-1000});
        QCOMPARE(form.ImageEnd->Left(), 560); // the start marker leaves it no room
        QCOMPARE(form.EndPoint, 60000);

        window->Drag(form.ImageStart, {-1000});
        QCOMPARE(form.ImageStart->Left(), 129);
        QCOMPARE(form.StartPoint, 0);

        window->Drag(form.ImageEnd, {-200});
        window->Drag(form.ImageStart, {1000});
        QCOMPARE(form.ImageStart->Left(), form.ImageEnd->Left() - 7);

        window->Drag(form.ImageEnd, {-1000});
        QCOMPARE(form.ImageEnd->Left(), form.ImageStart->Left() + 7);
    }

    void reachesZeroWithTheEndMarkerBeforeTheStartMarkerMoves() {
        TFrmVE3Zezeva& form = window->form;
        window->Drag(form.ImageEnd, {-1000});
        QCOMPARE(form.ImageEnd->Left(), 135);
        QCOMPARE(form.EndPoint, 0);
        QCOMPARE(form.RzMaskEdit2->Text(), QStringLiteral("000:00:00.000"));
    }

    void keepsTheGrabPointWhileTheMouseIsBeyondALimit() {
        TFrmVE3Zezeva& form = window->form;
        window->Drag(form.ImageStart, {-50, -10, -1});
        QCOMPARE(form.ImageStart->Left(), 129);
        window->Drag(form.ImageStart, {-50, -10, 5});
        QCOMPARE(form.ImageStart->Left(), 134);
    }

    void ignoresOtherButtons() {
        TFrmVE3Zezeva& form = window->form;
        QTest::mousePress(form.ImageStart, Qt::RightButton);
        QTest::mouseMove(&form, form.ImageStart->geometry().center() + QPoint(100, 0));
        QTest::mouseRelease(&form, Qt::RightButton, {},
                            form.ImageStart->geometry().center() + QPoint(100, 0));
        QCOMPARE(form.ImageStart->Left(), 129);
        QCOMPARE(form.StartPoint, 0);
    }

    void roundsHalfPixelTimesToEven() {
        TFrmVE3Zezeva& form = window->form;
        form.TrackBarPos->setMaximum(212);
        const struct {
            int offset;
            int left;
            std::int64_t ms;
        } cases[] = {{1, 130, 0}, {2, 132, 2}, {2, 134, 2}};
        for (const auto& c : cases) {
            window->Drag(form.ImageStart, {c.offset});
            QCOMPARE(form.ImageStart->Left(), c.left);
            QCOMPARE(form.StartPoint, c.ms);
        }
        // The program's own write to the field must not run the typed-time handling, which
        // would map 2 ms of the 60 s file back to pixel 129.
        QCOMPARE(form.RzMaskEdit1->Text(), QStringLiteral("000:00:00.002"));
    }

    void repairsAndLimitsTypedTimesInPlace_data() {
        QTest::addColumn<bool>("startField");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("ms");

        QTest::newRow("start seconds") << true << 7 << "12"
                                       << "000:00:12.000" << 12000ll;
        QTest::newRow("start after end") << true << 4 << "2"
                                         << "000:01:00.000" << 60000ll;
        QTest::newRow("start 999 hours") << true << 0 << "999"
                                         << "000:01:00.000" << 60000ll;
        QTest::newRow("end seconds") << false << 4 << "00"
                                     << "000:00:00.000" << 0ll;
        QTest::newRow("end 999 hours") << false << 0 << "999"
                                       << "000:01:00.000" << 60000ll;
        QTest::newRow("end tens of minutes 9") << false << 4 << "9"
                                               << "000:01:00.000" << 60000ll;
    }

    void repairsAndLimitsTypedTimesInPlace() {
        QFETCH(bool, startField);
        QFETCH(int, position);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(qint64, ms);
        TFrmVE3Zezeva& form = window->form;
        TRzMaskEdit* field = startField ? form.RzMaskEdit1 : form.RzMaskEdit2;
        window->Type(field, position, keys);
        QCOMPARE(field->Text(), text);
        QCOMPARE(startField ? form.StartPoint : form.EndPoint, ms);
    }

    void keepsTheCaretWhenItRewritesTheField() {
        TFrmVE3Zezeva& form = window->form;
        window->Type(form.RzMaskEdit2, 4, QStringLiteral("5"));
        QCOMPARE(form.RzMaskEdit2->Text(), QStringLiteral("000:01:00.000"));
        QCOMPARE(form.RzMaskEdit2->SelStart(), 5);
    }

    void limitsTheEndFieldByTheStartPoint() {
        TFrmVE3Zezeva& form = window->form;
        window->Type(form.RzMaskEdit1, 7, QStringLiteral("30"));
        QCOMPARE(form.StartPoint, 30000);
        QCOMPARE(form.ImageStart->Left(), 341); // 129 + 424 / 2
        window->Type(form.RzMaskEdit2, 4, QStringLiteral("00"));
        QCOMPARE(form.RzMaskEdit2->Text(), QStringLiteral("000:00:30.000"));
        QCOMPARE(form.EndPoint, 30000);

        form.RzMaskEdit2->selectAll();
        QTest::keyClick(form.RzMaskEdit2, Qt::Key_Delete);
        QCOMPARE(form.RzMaskEdit2->Text(), QStringLiteral("000:00:30.000"));
        form.RzMaskEdit1->selectAll();
        QTest::keyClick(form.RzMaskEdit1, Qt::Key_Delete);
        QCOMPARE(form.RzMaskEdit1->Text(), QStringLiteral("000:00:00.000"));
        QCOMPARE(form.ImageStart->Left(), 129);
    }

    void movesTheEndMarkerForATypedEndTime() {
        TFrmVE3Zezeva& form = window->form;
        window->Type(form.RzMaskEdit2, 4, QStringLiteral("00"));
        window->Type(form.RzMaskEdit2, 7, QStringLiteral("45"));
        QCOMPARE(form.EndPoint, 45000);
        QCOMPARE(form.ImageEnd->Left(), 454); // 135 + 425 * 0.75 = 453.75
        QCOMPARE(form.StartMarker.MaxLeft, 447);
        window->Drag(form.ImageStart, {1000});
        QCOMPARE(form.ImageStart->Left(), 447);
    }

    void keepsTheSelectionEmptyForAFileWithoutPlayingTime() {
        TFrmVE3Zezeva& form = window->form;
        // What opening a file without playing time leaves.
        form.Mp3Engine->Info.Duration = 0;
        form.TrackBarPos->setMaximum(0);
        form.EndPoint = 0;
        window->Type(form.RzMaskEdit1, 7, QStringLiteral("30"));
        window->Type(form.RzMaskEdit2, 7, QStringLiteral("30"));
        window->Drag(form.ImageEnd, {-100});
        QCOMPARE(form.StartPoint, 0);
        QCOMPARE(form.EndPoint, 0);
        QCOMPARE(form.ImageStart->Left(), 129);
        QCOMPARE(form.ImageEnd->Left(), 560);
    }

    void showsTheBarPositionAsTime() {
        TFrmVE3Zezeva& form = window->form;
        form.TrackBarPos->setMaximum(4000000);
        form.TrackBarPos->setValue(3600000);
        QCOMPARE(form.Label1->Caption(), QStringLiteral("001:00:00.000"));
        form.TrackBarPos->setValue(0);
        QCOMPARE(form.Label1->Caption(), QStringLiteral("000:00:00.000"));
    }

private:
    std::unique_ptr<TWindowFixture> window;
};

SNIPORA_TEST_MAIN(MarkerWindowTest)
#include "MarkerWindowTest.moc"
