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
Q_DECLARE_METATYPE(Dialogs::Icon)
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
        QTest::newRow("plain description") << "Map files|*.klv" << "Map files (*.klv)";
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

    void messageBox_data() {
        QTest::addColumn<Dialogs::Buttons>("buttons");
        QTest::addColumn<Dialogs::Icon>("icon");
        QTest::addColumn<Dialogs::Answer>("defaultButton");
        QTest::addColumn<QString>("press"); // a button's text, or "Escape"
        QTest::addColumn<Dialogs::Answer>("answer");
        using B = Dialogs::Buttons;
        using I = Dialogs::Icon;
        using A = Dialogs::Answer;
        QTest::newRow("ok") << B::Ok << I::None << A::Ok << "OK" << A::Ok;
        QTest::newRow("yes") << B::YesNo << I::Question << A::Yes << "Yes" << A::Yes;
        QTest::newRow("no") << B::YesNo << I::Question << A::Yes << "No" << A::No;
        QTest::newRow("escape is no") << B::YesNo << I::Question << A::Yes << "Escape" << A::No;
        QTest::newRow("default no") << B::YesNo << I::Warning << A::No << "Yes" << A::Yes;
    }
    void messageBox() {
        QFETCH(Dialogs::Buttons, buttons);
        QFETCH(Dialogs::Icon, icon);
        QFETCH(Dialogs::Answer, defaultButton);
        QFETCH(QString, press);
        QFETCH(Dialogs::Answer, answer);
        const QMessageBox::Icon qtIcon = icon == Dialogs::Icon::Question  ? QMessageBox::Question
                                         : icon == Dialogs::Icon::Warning ? QMessageBox::Warning
                                                                          : QMessageBox::NoIcon;
        const QMessageBox::StandardButtons qtButtons =
            buttons == Dialogs::Buttons::Ok ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No;
        const QMessageBox::StandardButton qtDefault =
            defaultButton == Dialogs::Answer::Yes  ? QMessageBox::Yes
            : defaultButton == Dialogs::Answer::No ? QMessageBox::No
                                                   : QMessageBox::Ok;
        struct Seen {
            QString title, text;
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            QMessageBox::StandardButtons buttons;
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        } seen;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                    box->standardButton(box->defaultButton())};
            if (press == "Escape")
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->button(press == "Yes"  ? QMessageBox::Yes
                            : press == "No" ? QMessageBox::No
                                            : QMessageBox::Ok)
                    ->click();
        });
        QCOMPARE(m_dialogs.message("Do you want to save data?", "Exit", buttons, icon, defaultButton),
                 answer);
        QCOMPARE(seen.title, QStringLiteral("Exit"));
        QCOMPARE(seen.text, QStringLiteral("Do you want to save data?"));
        QCOMPARE(seen.icon, qtIcon);
        QCOMPARE(seen.buttons, qtButtons);
        QCOMPARE(seen.defaultButton, qtDefault);
    }

    void inputBox_data() {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("result");
        QTest::newRow("ok") << true << "12,5";
        QTest::newRow("cancel gives empty text") << false << "";
    }
    void inputBox() {
        QFETCH(bool, accept);
        QFETCH(QString, result);
        QStringList seen;
        whenShown<QInputDialog>([&](QInputDialog* box) {
            seen = QStringList{box->windowTitle(), box->labelText(), box->textValue()};
            box->setTextValue("12,5");
            accept ? box->accept() : box->reject();
        });
        QCOMPARE(m_dialogs.input("Type again:", "Attention!"), result);
        QCOMPARE(seen, (QStringList{"Attention!", "Type again:", ""}));
    }

    void fileDialogsOfferMapFiles() {
        for (bool save : {false, true}) {
            QStringList seen;
            whenShown<QFileDialog>([&](QFileDialog* dialog) {
                seen = QStringList{dialog->windowTitle()} + dialog->nameFilters();
                dialog->reject();
            });
            const QString chosen = save ? m_dialogs.saveFile("Load", "KLV Files(*.klv)|*.klv")
                                        : m_dialogs.openFile("Load", "KLV Files(*.klv)|*.klv");
            QCOMPARE(chosen, QString());
            QCOMPARE(seen, (QStringList{"Load", "KLV Files (*.klv)"}));
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
        whenShown<QFileDialog>([&](QFileDialog* dialog) {
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
    }
};

QTEST_MAIN(TestQtDialogs)
#include "tst_qt_dialogs.moc"
