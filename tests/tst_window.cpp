// The window, its chrome, its start state and navigation with Back and Next.
#include "testutil.h"

#include <QtCore/QMetaMethod>
#include <QtGui/QWindow>

using namespace testutil;

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepare(); }

    void startState()
    {
        auto w = freshWindow();
        QCOMPARE(w->objectName(), QStringLiteral("MainWindow"));
        QCOMPARE(w->windowTitle(), QStringLiteral("TEST № 8. LA LUTTE CONTRE LE TRAFIC DE STUPÉFIANTS."));
        QCOMPARE(stack(w.get())->count(), 8);
        QCOMPARE(stack(w.get())->currentIndex(), 0);
        QVERIFY(button(w.get(), "pushButton_2")->isVisible());
        QVERIFY(!button(w.get(), "pushButton_1")->isVisible());
        QVERIFY(!button(w.get(), "pushButton_3")->isVisible());
        QVERIFY(!button(w.get(), "close_button")->isVisible());
        // The header keeps what the form wrote until the first step.
        QCOMPARE(label(w.get(), "total_label")->text(), QString());
        QCOMPARE(label(w.get(), "type_label")->text(), QStringLiteral("<html><head/><body><p>LECTURE</p></body></html>"));
        QCOMPARE(current_page, 0);
        QCOMPARE(correct_answers, 0);
    }

    void fixedSize()
    {
        auto w = freshWindow();
        QCOMPARE(w->size(), QSize(800, 600));
        QCOMPARE(w->minimumSize(), QSize(800, 600));
        QCOMPARE(w->maximumSize(), QSize(800, 600));
        w->resize(1000, 700);
        QCOMPARE(w->size(), QSize(800, 600));
    }

    void pageOrder()
    {
        auto w = freshWindow();
        const char *pages[] = {"stacked_lecture1_1", "stacked_lecture1_2", "stacked_vocabulaire2",
                               "stacked_vocabulaire3", "stacked_vocabulaire4", "stacked_vocabulaire5",
                               "page", "result"};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(stack(w.get())->widget(i)->objectName(), QString::fromLatin1(pages[i]));
    }

    void chrome_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("text");
        const QString nav = QStringLiteral(
            "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(0, 0, 131, 255), stop:1 rgba(0, 144, 255, 255));\n"
            "color: rgb(255, 255, 255);\nborder-color: rgb(255, 255, 255);\nfont: bold 10pt \"Trebuchet MS\";\n"
            "border: 1px solid #000;\nborder-radius: 5px;\nheight: 20px;\n\n");
        QTest::newRow("total_label") << "total_label" << QRect(584, 10, 211, 31)
            << "background: rgba(255, 255, 255, 0);\nfont: bold 16pt \"Trebuchet MS\";\ncolor: #ffffff;\n" << "";
        QTest::newRow("type_label") << "type_label" << QRect(24, 40, 200, 31)
            << "background: rgba(255, 255, 255, 0);\nfont: bold 16pt \"Trebuchet MS\";\ntext-decoration: underline;\ncolor: #ffffff;\n"
            << "<html><head/><body><p>LECTURE</p></body></html>";
        QTest::newRow("back") << "pushButton_1" << QRect(371, 570, 100, 22) << nav << "Назад";
        QTest::newRow("next") << "pushButton_2" << QRect(477, 570, 101, 22) << nav << "Далі";
        QTest::newRow("caption") << "label_3" << QRect(14, 560, 131, 31)
            << "color: rgb(255, 255, 255);\nfont: bold 18pt \"Trebuchet MS\";\nbackground-color: rgb(255, 255, 255, 0.0);"
            << "<html><head/><body><p><span style=\" font-size:16pt; font-weight:600;\">Français</span></p></body></html>";
        QTest::newRow("stack") << "stackedWidget" << QRect(4, 70, 801, 491)
            << "background-color: rgb(181, 181, 181);\nbackground-color: rgb(255, 255, 255, 0);" << "";
        QTest::newRow("finish") << "pushButton_3" << QRect(584, 570, 100, 22)
            << "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(0, 63, 0, 255), stop:1 rgba(0, 255, 0, 255));\n"
               "color: rgb(255, 255, 255);\nborder: 1px solid #000;\nborder-radius: 5px;\nfont: bold 10pt \"Trebuchet MS\";\nheight: 20px;\n\n"
            << "Завершити";
        QTest::newRow("test_label") << "test_label" << QRect(14, 10, 121, 21)
            << "background: rgba(255, 255, 255, 0);\nfont: 75 16pt \"Tahoma\";"
            << "<html><head/><body><p align=\"center\"><span style=\" font-size:16pt; font-weight:600; color:#ffffff;\">TEST № 8</span></p></body></html>";
        QTest::newRow("close") << "close_button" << QRect(690, 570, 100, 22)
            << "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(146, 0, 0, 255), stop:1 rgba(255, 0, 0, 255));\n"
               "color: rgb(255, 255, 255);\nfont: bold 10pt \"Trebuchet MS\";\nborder: 1px solid #000;\nborder-radius: 5px;\nheight:20px;\n"
            << "Закрити";
    }

    void chrome()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, style);
        QFETCH(QString, text);
        auto w = freshWindow();
        QWidget *widget = w->findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget()->objectName(), QStringLiteral("centralWidget"));
        QCOMPARE(widget->geometry(), geometry);
        QCOMPARE(widget->styleSheet(), style);
        QCOMPARE(widget->property("text").toString(), text);
        QVERIFY(widget->isEnabled());
    }

    void chromeDetails()
    {
        auto w = freshWindow();
        QCOMPARE(w->styleSheet(), QStringLiteral(
            "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(0, 59, 117, 255), stop:1 rgba(0, 158, 201, 255));"));
        QCOMPARE(w->centralWidget()->objectName(), QStringLiteral("centralWidget"));
        QCOMPARE(label(w.get(), "total_label")->alignment(), Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(label(w.get(), "type_label")->textFormat(), Qt::RichText);
        QCOMPARE(label(w.get(), "type_label")->minimumSize(), QSize(200, 0));
        QCOMPARE(label(w.get(), "label_3")->textFormat(), Qt::AutoText);
        QCOMPARE(stack(w.get())->frameShape(), QFrame::NoFrame);
        QCOMPARE(stack(w.get())->frameShadow(), QFrame::Plain);
    }

    // Every text the chrome ever shows fits its label or button on this machine.
    void chromeTextsFit_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        for (const char *t : {" ", "5 x 2 = 10", "10 x 2 = 20", "Au total: 70 points"})
            QTest::newRow(t) << "total_label" << QString::fromUtf8(t);
        for (const char *t : {"<html><head/><body><p>LECTURE</p></body></html>", "LECTURE", "VOCABULAIRE",
                              "GRAMMAIRE", "RÉSULTAT"})
            QTest::newRow(t) << "type_label" << QString::fromUtf8(t);
        QTest::newRow("caption") << "label_3" << QString();
        QTest::newRow("test number") << "test_label" << QString();
        QTest::newRow("back") << "pushButton_1" << QString();
        QTest::newRow("next") << "pushButton_2" << QString();
        QTest::newRow("finish") << "pushButton_3" << QString();
        QTest::newRow("close") << "close_button" << QString();
    }

    void chromeTextsFit()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        auto w = freshWindow();
        QWidget *widget = w->findChild<QWidget *>(name);
        QVERIFY(widget);
        if (auto *l = qobject_cast<QLabel *>(widget)) {
            if (!text.isNull())
                l->setText(text);
            QVERIFY2(l->sizeHint().width() <= l->width(),
                     qPrintable(QStringLiteral("%1 needs %2 of %3").arg(l->text()).arg(l->sizeHint().width()).arg(l->width())));
            // Heights: the 21-pixel test number holds a 16 pt line only without its leading.
            const QFontMetrics fm(l->font());
            QVERIFY2(fm.ascent() + fm.descent() <= l->height() + 4, qPrintable(QString::number(fm.ascent() + fm.descent())));
        } else {
            auto *b = qobject_cast<QPushButton *>(widget);
            const int needed = b->fontMetrics().horizontalAdvance(b->text()) + 2;   // plus the border
            QVERIFY2(needed <= b->width(), qPrintable(QString::number(needed)));
            QVERIFY(b->fontMetrics().height() <= b->height() - 2);
        }
    }

    void fontsResolveToInstalledFaces()
    {
        auto w = freshWindow();
        QCOMPARE(QFontInfo(label(w.get(), "total_label")->font()).family(), QStringLiteral("Carlito"));
        QCOMPARE(label(w.get(), "total_label")->font().family(), QStringLiteral("Trebuchet MS"));
        QCOMPARE(QFontInfo(label(w.get(), "test_label")->font()).family(), QStringLiteral("Liberation Sans"));
    }

    // Navigation, step by step, forward from the start and then all the way back.
    void navigation()
    {
        struct Row { int page; const char *section; const char *points; bool back, next, finish; };
        const Row rows[] = {
            {0, "LECTURE", " ", false, true, false},
            {1, "LECTURE", "5 x 2 = 10", true, true, false},
            {2, "VOCABULAIRE", "5 x 2 = 10", true, true, false},
            {3, "VOCABULAIRE", "5 x 2 = 10", true, true, false},
            {4, "GRAMMAIRE", "5 x 2 = 10", true, true, false},
            {5, "VOCABULAIRE", "10 x 2 = 20", true, true, false},
            {6, "GRAMMAIRE", "5 x 2 = 10", true, false, true},
        };
        auto w = freshWindow();
        auto check = [&](const Row &r) {
            QCOMPARE(current_page, r.page);
            QCOMPARE(stack(w.get())->currentIndex(), r.page);
            QCOMPARE(label(w.get(), "type_label")->text(), QString::fromLatin1(r.section));
            QCOMPARE(label(w.get(), "total_label")->text(), QString::fromLatin1(r.points));
            QCOMPARE(button(w.get(), "pushButton_1")->isVisible(), r.back);
            QCOMPARE(button(w.get(), "pushButton_2")->isVisible(), r.next);
            QCOMPARE(button(w.get(), "pushButton_3")->isVisible(), r.finish);
            QVERIFY(!button(w.get(), "close_button")->isVisible());
        };
        for (int p = 1; p <= 6; ++p) {
            QVERIFY(next(w.get()));
            check(rows[p]);
        }
        QVERIFY(!next(w.get()));   // Next is gone on the last exercise
        for (int p = 5; p >= 0; --p) {
            QVERIFY(back(w.get()));
            check(rows[p]);
        }
        QVERIFY(!back(w.get()));   // and Back on the reading page
    }

    // Were the counter ever outside 0..6, a step would bring it back to an end page.
    void counterClamps()
    {
        auto w = freshWindow();
        current_page = -5;
        QVERIFY(next(w.get()));
        QCOMPARE(current_page, 0);
        QCOMPARE(stack(w.get())->currentIndex(), 0);
        QCOMPARE(label(w.get(), "total_label")->text(), QStringLiteral(" "));
        current_page = 40;
        QVERIFY(next(w.get()));
        QCOMPARE(current_page, 6);
        QCOMPARE(stack(w.get())->currentIndex(), 6);
        QVERIFY(button(w.get(), "pushButton_3")->isVisible());
    }

    void slotTable()
    {
        auto w = freshWindow();
        const QMetaObject *mo = w->metaObject();
        QCOMPARE(mo->className(), "MainWindow");
        QCOMPARE(mo->superClass(), &QMainWindow::staticMetaObject);
        QCOMPARE(mo->methodCount() - mo->methodOffset(), 4);
        const char *slotNames[] = {"on_close_button_clicked()", "on_pushButton_2_clicked()",
                               "on_pushButton_1_clicked()", "on_pushButton_3_clicked()"};
        for (int i = 0; i < 4; ++i) {
            QMetaMethod m = mo->method(mo->methodOffset() + i);
            QCOMPARE(m.methodSignature(), QByteArray(slotNames[i]));
            QCOMPARE(m.access(), QMetaMethod::Private);
            QCOMPARE(m.methodType(), QMetaMethod::Slot);
        }
        QCOMPARE(w->qt_metacast("MainWindow"), static_cast<void *>(w.get()));
        QCOMPARE(w->qt_metacast("QMainWindow"), w->QMainWindow::qt_metacast("QMainWindow"));
        QVERIFY(w->qt_metacast("QMainWindow") != nullptr);
        QCOMPARE(w->qt_metacast(nullptr), nullptr);
        QCOMPARE(w->qt_metacast("mainwindow"), nullptr);
        // An id past the four slots invokes nothing and comes back reduced by four.
        const int past = QMainWindow::staticMetaObject.methodCount() + 4;
        QCOMPARE(w->qt_metacall(QMetaObject::InvokeMetaMethod, past, nullptr), 0);
        QCOMPARE(current_page, 0);
        // Id 1 (after the base's own) is Next.
        QCOMPARE(w->qt_metacall(QMetaObject::InvokeMetaMethod, QMainWindow::staticMetaObject.methodCount() + 1, nullptr), -3);
        QCOMPARE(current_page, 1);
    }

    // Closing with the frame's close control ends the event loop with status 0.
    void closeThroughFrame()
    {
        auto w = freshWindow();
        QTimer::singleShot(0, w.get(), [&] { w->windowHandle()->close(); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!w->isVisible());
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
