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

private Q_SLOTS:
    void cleanup() { Form<frmAbout>::unload(); }

    void showsTitleVersionAndHistory()
    {
        frmAbout& about = Form<frmAbout>::get();
        QCOMPARE(about.windowTitle(), QStringLiteral("About Vintrel Clock & Alarm"));
        QCOMPARE(about.lblVersion->text(), QStringLiteral("v3.0.1"));
        const QStringList entries = about.txtUpdates->toPlainText().split(QStringLiteral("\n\n"));
        QCOMPARE(entries.size(), 7);
        QCOMPARE(entries.first(), QStringLiteral("v3.0.1 - Bug fix: Fixed alarm setting calculations."));
        QCOMPARE(entries.last(), QStringLiteral("v1.0.1 - Bug fix.    Calendar now shows the correct date."));
        for (const QString& entry : entries)
            QVERIFY2(!entry.contains(QLatin1Char('\n')), qPrintable(entry));

        // The history can be selected but not changed.
        const QString before = about.txtUpdates->toPlainText();
        about.txtUpdates->setFocus();
        QTest::keyClicks(about.txtUpdates, QStringLiteral("typed"));
        QTest::keyClick(about.txtUpdates, Qt::Key_Delete);
        QTest::keyClick(about.txtUpdates, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(about.txtUpdates->toPlainText(), before);
        QCOMPARE(about.txtUpdates->textCursor().selectedText().size(), before.size());
    }

    void okEnterEscAndTheCloseButtonUnloadIt_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("OK") << 0;
        QTest::newRow("Enter") << 1;
        QTest::newRow("Esc") << 2;
        QTest::newRow("close button") << 3;
    }
    void okEnterEscAndTheCloseButtonUnloadIt()
    {
        QFETCH(int, way);
        bool modalWithOkFocused = false;
        bool unloaded = false;
        QTimer::singleShot(0, [&] {
            frmAbout& about = Form<frmAbout>::get();
            modalWithOkFocused = QTest::qWaitForWindowActive(&about)
                                 && QApplication::activeModalWidget() == &about
                                 && QApplication::focusWidget() == about.cmdOK;
            if (way == 0)
                QTest::mouseClick(about.cmdOK, Qt::LeftButton);
            else if (way == 3)
                about.close();
            else
                QTest::keyClick(&about, way == 1 ? Qt::Key_Return : Qt::Key_Escape);
            unloaded = !Form<frmAbout>::isLoaded();
            Form<frmAbout>::unload(); // a failing test must not hang in the modal wait
        });
        Form<frmAbout>::showModal();
        QVERIFY(modalWithOkFocused);
        QVERIFY(unloaded);
    }
};

QTEST_MAIN(TestAbout)
#include "tst_frmabout.moc"
