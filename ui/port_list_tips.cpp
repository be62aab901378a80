#include "ui/port_list_tips.h"

#include "language/language_texts.h"

#include <QComboBox>
#include <QKeyEvent>

void showPortToolTips(QComboBox* portList, const QList<ListedPort>& listed, bool windows,
                      const QString& noPortText) {
    for (int i = 0; i < portList->count(); ++i) {
        const std::optional<ListedPort> port = portForNumber(i + 1, listed, windows);
        portList->setItemData(i, port ? portText(*port) : noPortText, Qt::ToolTipRole);
    }
}

PortListTips::PortListTips(QComboBox* portList, const LanguageTexts& texts)
    : QObject(portList), m_portList(portList), m_texts(texts) {
    portList->installEventFilter(this);
    refresh();
}

// A combo box opens its list on a press or on F4, Alt+Down or Space; the tips are ready
// before it shows.
bool PortListTips::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress)
        refresh();
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F4 || key->key() == Qt::Key_Space ||
            (key->key() == Qt::Key_Down && key->modifiers() & Qt::AltModifier))
            refresh();
    }
    return false;
}

void PortListTips::refresh() {
    showPortToolTips(m_portList, machinePorts(), machineIsWindows(),
                     m_texts.message(MessageId::PortNoneToolTip));
}
