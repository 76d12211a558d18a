#include "BitBtn.h"
#include "RecordingDialogs.h"
#include "TestMain.h"
#include "Timer.h"

#include <stdexcept>

class ApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void ErrorsEscapingHandlersReachTheErrorBox_data() {
        QTest::addColumn<QString>("source");
        QTest::newRow("click handler") << "click";
        QTest::newRow("timer handler") << "timer";
        QTest::newRow("queued call") << "queued";
    }

    // The error box shows the error's own text, and the program keeps handling events.
    void ErrorsEscapingHandlersReachTheErrorBox() {
        QFETCH(QString, source);
        TRecordingDialogs dialogs;
        TDialogsReplacement replacement(dialogs);
        const auto fail = [] { throw std::runtime_error("Cannot open file \"x.mp3\"."); };

        QWidget window;
        TRzBitBtn button(&window);
        button.setGeometry(0, 0, 88, 48);
        TTimer timer(&window);
        timer.SetEnabled(false);
        timer.SetInterval(1);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        if (source == "click") {
            connect(&button, &QAbstractButton::clicked, &window, fail);
            QTest::mouseClick(&button, Qt::LeftButton);
        } else if (source == "timer") {
            connect(&timer, &TTimer::Timer, &window, [&] {
                timer.SetEnabled(false);
                fail();
            });
            timer.SetEnabled(true);
        } else {
            QMetaObject::invokeMethod(&window, fail, Qt::QueuedConnection);
        }
        QTRY_COMPARE(dialogs.Errors, QStringList("Cannot open file \"x.mp3\"."));

        bool goesOn = false;
        QMetaObject::invokeMethod(
            &window, [&] { goesOn = true; }, Qt::QueuedConnection);
        QTRY_VERIFY(goesOn);
        QCOMPARE(dialogs.Errors.size(), 1);
    }

    void TitleIsTheMainFormsTitle() {
        auto* application = qobject_cast<TApplication*>(qApp);
        QWidget form;
        application->SetMainForm(&form);
        application->SetTitle(QStringLiteral("Snipora"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Snipora"));
        QCOMPARE(application->property("Title").toString(), QStringLiteral("Snipora"));
    }
};

SNIPORA_TEST_MAIN(ApplicationTest)
#include "ApplicationTest.moc"
