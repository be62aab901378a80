#include "ui/desktop_conventions.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

DesktopConventions::DesktopConventions(QMainWindow* window, QPushButton* loadButton,
                                       QPushButton* saveButton, std::function<bool()> busy,
                                       RecentMapFiles recent)
    : QObject(window), m_window(window), m_busy(std::move(busy)), m_recent(std::move(recent)),
      m_loadButton(loadButton), m_saveButton(saveButton), m_recentMenu(new QMenu(window)) {
    m_recentMenu->setObjectName(QStringLiteral("RecentMapFiles"));
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), window), &QShortcut::activated, this,
            [this] { press(m_loadButton); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), window), &QShortcut::activated, this,
            [this] { press(m_saveButton); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), window), &QShortcut::activated, this,
            [this] {
                if (!m_busy())
                    m_window->close();
            });
    m_loadButton->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_loadButton, &QWidget::customContextMenuRequested, this,
            &DesktopConventions::showRecentMenu);
    window->setAcceptDrops(true);
    // Watched for the whole program: a drop goes to the widget under the mouse, and the
    // text cells would take a file's name as text.
    qApp->installEventFilter(this);
}

void DesktopConventions::remember(const QString& path) {
    m_recent.add(path);
}

// The button takes the focus first, as a click would, so a field being typed in is
// checked before the button acts; a disabled button does nothing, as with the mouse.
void DesktopConventions::press(QPushButton* button) {
    if (m_busy() || !button->isEnabled())
        return;
    button->setFocus(Qt::OtherFocusReason);
    button->click();
}

void DesktopConventions::load(const QString& path) {
    if (m_busy() || !m_loadButton->isEnabled())
        return;
    m_loadButton->setFocus(Qt::OtherFocusReason);
    emit mapFileChosen(path);
}

void DesktopConventions::showRecentMenu(const QPoint& position) {
    const QStringList files = m_recent.files();
    if (files.isEmpty() || m_busy())
        return;
    m_recentMenu->clear();
    for (const QString& path : files)
        connect(m_recentMenu->addAction(path), &QAction::triggered, this,
                [this, path] { load(path); });
    m_recentMenu->popup(m_loadButton->mapToGlobal(position));
}

QString DesktopConventions::droppedMapFile(const QMimeData* data) {
    if (!data || data->urls().size() != 1 || !data->urls()[0].isLocalFile())
        return QString();
    const QString path = data->urls()[0].toLocalFile();
    return QFileInfo(path).suffix().compare(QLatin1String("klv"), Qt::CaseInsensitive) == 0
               ? path
               : QString();
}

bool DesktopConventions::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != m_window)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = droppedMapFile(drop->mimeData());
    if (path.isEmpty())
        return false;
    drop->acceptProposedAction();
    // Loaded once the drop has ended, so a message about the file does not hold the
    // program that dragged it.
    if (type == QEvent::Drop)
        QTimer::singleShot(0, this, [this, path] { load(path); });
    return true;
}
