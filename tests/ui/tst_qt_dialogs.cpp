#include "ui/qt_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

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
    // Escape on a yes/no question means No, whatever the default button; Cancel on an
    // input box gives the empty text.
    void escapeAndCancelMeanNo() {
        whenShown<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QCOMPARE(m_dialogs.message("Do you want to save data?", "Exit", Dialogs::Buttons::YesNo,
                                   Dialogs::Icon::Question, Dialogs::Answer::Yes),
                 Dialogs::Answer::No);
        whenShown<QInputDialog>([](QInputDialog* box) {
            box->setTextValue("12,5");
            box->reject();
        });
        QCOMPARE(m_dialogs.input("Type again:", "Attention!"), QString());
    }

    // The program asks its own overwrite question; a second one from the dialog would
    // ask twice, once in the wrong language. The map file filter reaches the dialog.
    void saveDialogDoesNotAskAboutOverwriting() {
        QTemporaryDir dir;
        const QString existing = dir.filePath("map.klv");
        QVERIFY(QFile(existing).open(QIODevice::WriteOnly));
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
