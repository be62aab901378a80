#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

Q_DECLARE_METATYPE(Dialogs::Buttons)
Q_DECLARE_METATYPE(Dialogs::Answer)

namespace {

// Runs `act` on the modal dialog as soon as it is open (from inside its own event loop).
// `act` must close the dialog; it only records what it sees, so a failing check can never
// leave a dialog open.
template <class Dialog, class Act> void whenShown(Act act) {
    QTimer::singleShot(0, [act] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget()))
            act(dialog);
        else if (QWidget* other = QApplication::activeModalWidget())
            other->close();
    });
}

} // namespace

class TestQtDialogs : public QObject {
    Q_OBJECT

    QtDialogs m_dialogs;

private slots:
    void filterConversion_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qt");
        QTest::newRow("map files") << "KLV Files(*.klv)|*.klv" << "KLV Files (*.klv)";
        QTest::newRow("two pairs") << "KLV Files(*.klv)|*.klv|All Files(*.*)|*.*"
                                   << "KLV Files (*.klv);;All Files (*.*)";
        QTest::newRow("several patterns") << "Logs (*.txt;*.log)|*.txt;*.log"
                                          << "Logs (*.txt *.log)";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("description without pattern") << "KLV Files(*.klv)" << "";
    }
    void filterConversion() {
        QFETCH(QString, filter);
        QFETCH(QString, qt);
        QCOMPARE(QtDialogs::toQtFilter(filter), qt);
    }

    // Escape on a yes/no question means No, whatever the default button.
    // `press` is the button clicked, NoButton for Escape.
    void messageBox_data() {
        QTest::addColumn<Dialogs::Buttons>("buttons");
        QTest::addColumn<Dialogs::Answer>("defaultButton");
        QTest::addColumn<int>("press");
        QTest::addColumn<Dialogs::Answer>("answer");
        QTest::addColumn<QList<int>>("shown"); // buttons, default, icon
        using B = Dialogs::Buttons;
        using A = Dialogs::Answer;
        const int yesNo = QMessageBox::Yes | QMessageBox::No;
        const int question = QMessageBox::Question;
        const int escape = QMessageBox::NoButton;
        QTest::newRow("ok") << B::Ok << A::Ok << escape << A::Ok
                            << QList<int>{QMessageBox::Ok, QMessageBox::Ok, question};
        QTest::newRow("yes default") << B::YesNo << A::Yes << escape << A::No
                                     << QList<int>{yesNo, QMessageBox::Yes, question};
        QTest::newRow("no default, yes") << B::YesNo << A::No << int(QMessageBox::Yes) << A::Yes
                                         << QList<int>{yesNo, QMessageBox::No, question};
    }
    void messageBox() {
        QFETCH(Dialogs::Buttons, buttons);
        QFETCH(Dialogs::Answer, defaultButton);
        QFETCH(int, press);
        QFETCH(Dialogs::Answer, answer);
        QFETCH(QList<int>, shown);
        QList<int> seen;
        QStringList texts;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            texts = QStringList{box->windowTitle(), box->text()};
            seen = {int(box->standardButtons()), int(box->standardButton(box->defaultButton())),
                    int(box->icon())};
            if (QAbstractButton* button = box->button(QMessageBox::StandardButton(press)))
                button->click();
            else
                QTest::keyClick(box, Qt::Key_Escape);
        });
        QCOMPARE(m_dialogs.message("Do you want to save data?", "Exit", buttons,
                                   Dialogs::Icon::Question, defaultButton),
                 answer);
        QCOMPARE(texts, (QStringList{"Exit", "Do you want to save data?"}));
        QCOMPARE(seen, shown);
    }

    void inputBoxCancelGivesEmptyText() {
        for (bool accept : {true, false}) {
            QStringList seen;
            whenShown<QInputDialog>([&](QInputDialog* box) {
                seen = QStringList{box->windowTitle(), box->labelText(), box->textValue()};
                box->setTextValue("12,5");
                accept ? box->accept() : box->reject();
            });
            const QString typed = m_dialogs.input("Type again:", "Attention!");
            QCOMPARE(typed, QString(accept ? "12,5" : ""));
            QCOMPARE(seen, (QStringList{"Attention!", "Type again:", ""}));
        }
    }

    // The program asks its own overwrite question; a second one from the dialog would
    // ask twice, once in the wrong language.
    void saveDialogDoesNotAskAboutOverwriting() {
        QTemporaryDir dir;
        const QString existing = dir.filePath("map.klv");
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        bool askedTwice = false;
        QStringList filters;
        whenShown<QFileDialog>([&](QFileDialog* dialog) {
            filters = dialog->nameFilters();
            dialog->selectFile(existing);
            QTimer::singleShot(0, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    askedTwice = true;
                    box->button(QMessageBox::Yes)->click();
                }
            });
            static_cast<QDialog*>(dialog)->accept();
        });
        QCOMPARE(m_dialogs.saveFile("Save", "KLV Files(*.klv)|*.klv"), existing);
        QVERIFY(!askedTwice);
        QCOMPARE(filters, QStringList{"KLV Files (*.klv)"});
    }
};

QTEST_MAIN(TestQtDialogs)
#include "tst_qt_dialogs.moc"
