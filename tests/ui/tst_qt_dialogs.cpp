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
    // A yes/no question takes no answer from Escape or from closing its window (the
    // exit question's No would lose the map): only from its buttons. Cancel on an input
    // box gives the empty text.
    void onlyTheButtonsAnswerAQuestion() {
        bool stayedOpen = false;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            QTest::keyClick(box, Qt::Key_Escape);
            box->windowHandle()->close(); // as the title bar's close button does
            stayedOpen = box->isVisible();
            box->button(QMessageBox::No)->click();
        });
        QCOMPARE(m_dialogs.message("Do you want to save data?", "Exit", Dialogs::Buttons::YesNo,
                                   Dialogs::Icon::Question, Dialogs::Answer::Yes),
                 Dialogs::Answer::No);
        QVERIFY(stayedOpen);
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
