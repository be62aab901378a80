#pragma once

#include "device/port_names.h"

#include <QObject>

class LanguageTexts;
class QComboBox;

// Each item "Com1" .. "Com16" of the port list names, in its tool tip, the system port
// behind it and the system's description of it, or says that no port stands behind it.
void showPortToolTips(QComboBox* portList, const QList<ListedPort>& listed, bool windows,
                      const QString& noPortText);

// Refreshes those tool tips from the machine's ports each time the list is opened, as
// adapters come and go while the window is open.
class PortListTips : public QObject {
    Q_OBJECT
  public:
    PortListTips(QComboBox* portList, const LanguageTexts& texts);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refresh();

    QComboBox* m_portList;
    const LanguageTexts& m_texts;
};
