#include "about/frmAbout.h"
#include "core/Form.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestAbout : public QObject
{
    Q_OBJECT

    // Opens the window modally, lets `act` work on it inside the modal wait, and reports
    // whether that unloaded it. A window still open afterwards is unloaded, so a failing
    // test cannot hang in the wait.
    template <typename Act>
    bool closesBy(Act act)
    {
        bool wasModalAndActive = false;
        QTimer::singleShot(0, [&] {
            frmAbout& about = Form<frmAbout>::get();
            wasModalAndActive = QTest::qWaitForWindowActive(&about)
                                && QApplication::activeModalWidget() == &about;
            act(about);
            const bool unloaded = !Form<frmAbout>::isLoaded();
            Form<frmAbout>::unload();
            wasModalAndActive = wasModalAndActive && unloaded;
        });
        Form<frmAbout>::showModal();
        return wasModalAndActive;
    }

private Q_SLOTS:
    void cleanup()
    {
        Form<frmAbout>::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void showsTitleVersionAndHistory()
    {
        frmAbout& about = Form<frmAbout>::get();
        QCOMPARE(about.windowTitle(), QStringLiteral("About Vintrel Clock & Alarm"));
        QCOMPARE(about.lblVersion->text(), QStringLiteral("v3.0.1"));
        QCOMPARE(about.lblTitle->text(), QStringLiteral("Vintrel Clock and Alarm"));

        const QStringList entries = about.txtUpdates->toPlainText().split(QStringLiteral("\n\n"));
        QCOMPARE(entries.size(), 7);
        QCOMPARE(entries.first(), QStringLiteral("v3.0.1 - Bug fix: Fixed alarm setting calculations."));
        QCOMPARE(entries.at(1),
                 QStringLiteral("v3.0.0 - Update: Added features.   Can now store notes for "
                                "individual days.  The clock will show a blue letter \"N\" at the "
                                "far right of the time if there are any notes for today. Position "
                                "the mouse pointer over the \"N\" to view today's notes or click "
                                "on the \"N\" to open the \"Daily Notes\" form."));
        QCOMPARE(entries.at(5), QStringLiteral("v1.1.0 - Update.  \"clock.ini\" file no longer used by this program."));
        QCOMPARE(entries.last(), QStringLiteral("v1.0.1 - Bug fix.    Calendar now shows the correct date."));
        for (const QString& entry : entries)
            QVERIFY2(!entry.contains(QLatin1Char('\n')) && !entry.contains(QLatin1Char('\r')),
                     qPrintable(entry));
    }

    void historyCannotBeChangedButCanBeSelected()
    {
        frmAbout& about = Form<frmAbout>::get();
        const QString before = about.txtUpdates->toPlainText();
        about.txtUpdates->setFocus();
        QTest::keyClicks(about.txtUpdates, QStringLiteral("typed"));
        QTest::keyClick(about.txtUpdates, Qt::Key_Delete);
        QTest::keyClick(about.txtUpdates, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(about.txtUpdates->toPlainText(), before);
        QCOMPARE(about.txtUpdates->textCursor().selectedText().size(), before.size());
    }

    void okEnterEscAndTheCloseButtonUnloadIt()
    {
        QVERIFY(closesBy([](frmAbout& about) { QTest::mouseClick(about.cmdOK, Qt::LeftButton); }));
        bool okHadFocus = false;
        QVERIFY(closesBy([&](frmAbout& about) {
            okHadFocus = QApplication::focusWidget() == about.cmdOK;
            QTest::keyClick(&about, Qt::Key_Return);
        }));
        QVERIFY(okHadFocus);
        QVERIFY(closesBy([](frmAbout& about) { QTest::keyClick(&about, Qt::Key_Escape); }));
        QVERIFY(closesBy([](frmAbout& about) { about.close(); }));
    }

    void everyOpeningStartsAfresh()
    {
        QPointer<frmAbout> first = &Form<frmAbout>::get();
        first->txtUpdates->selectAll();
        QVERIFY(closesBy([](frmAbout& about) { about.cmdOK->click(); }));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QVERIFY(!Form<frmAbout>::get().txtUpdates->textCursor().hasSelection());
    }
};

QTEST_MAIN(TestAbout)
#include "tst_frmabout.moc"
