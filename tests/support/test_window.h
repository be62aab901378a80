#pragma once

#include "tests/support/fake_clock.h"
#include "tests/support/find_named.h"
#include "tests/support/recording_serial_link.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>
#include <functional>
#include <memory>

// The real main window for the window tests, with its settings file in a folder of its
// own. Widgets are found by their layout names; clicks go through the window system, so a
// modal box blocks them as on a desktop.
struct TestWindow {
    // `before` runs ahead of the window's start: a locale, a settings file, a working folder.
    // With `recordedLine` the window talks to `link` over `clock` instead of a serial port.
    explicit TestWindow(bool realBoxes = false, const std::function<void(TestWindow&)>& before = {},
                        bool recordedLine = false) {
        dialogs.setRealBoxes(realBoxes);
        if (before)
            before(*this);
        const QString settings = path("kelvor-310.ini");
        main = recordedLine ? std::make_unique<MainWindow>(dialogs, settings, link, clock)
                            : std::make_unique<MainWindow>(dialogs, settings);
    }
    // An answer queued for a dialog that never came is a test that went astray.
    ~TestWindow() {
        main.reset();
        if (dialogs.pendingAnswers() != 0)
            QTest::qFail("A queued dialog answer was never asked for", __FILE__, __LINE__);
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QString write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
        return file.fileName();
    }
    bool show() {
        main->show();
        QApplication::setActiveWindow(main.get());
        return QTest::qWaitForWindowActive(main.get());
    }
    template <class T = QWidget> T* named(const QString& name) const {
        return findNamed<T>(main->form(), name);
    }
    QLineEdit* field(const QString& name) const { return named<QLineEdit>(name); }
    QLineEdit* cell(int row, int column) const {
        return field(arrayName(qPrintable(QStringLiteral("Text%1").arg(column + 1)), row));
    }
    void press(const QString& button) const { named<QPushButton>(button)->click(); }
    // A list item chosen as the user chooses it.
    void choose(const QString& list, int index) const {
        auto* combo = named<QComboBox>(list);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    QPoint at(QWidget* w) const { return w->mapTo(main.get(), w->rect().center()); }
    void click(QWidget* w) const {
        QTest::mouseClick(main->windowHandle(), Qt::LeftButton, {}, at(w));
        QCoreApplication::processEvents();
    }
    MapDocument document() const { return main->document(); }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    FakeClock clock;
    RecordingSerialLink link{&clock};
    std::unique_ptr<MainWindow> main;
};

// Sample maps, one of each table shape.
inline QString golden(const QString& name) {
    return QStringLiteral(KELVOR_SOURCE_DIR "/tests/storage/golden/") + name + ".klv";
}

inline QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
